#include "tests/support/modalcloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>

ModalCloser::ModalCloser()
{
    connect(&timer, &QTimer::timeout, this, &ModalCloser::look);
    timer.start(10);
}

void ModalCloser::look()
{
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        Seen item{QStringLiteral("QMenu"), menu->title(), QString(), {}, QString(), menu};
        for (QAction *action : menu->actions())
            item.entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        seen.append(item);
        menu->close();
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) {
        // Dialogs run with exec() may not be active on the offscreen platform yet.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && qobject_cast<QDialog *>(widget) && widget->isModal())
                modal = widget;
        }
    }
    auto *dialog = qobject_cast<QDialog *>(modal);
    if (!dialog || busy.contains(dialog))
        return;
    Seen item{QString::fromLatin1(dialog->metaObject()->className()),
              dialog->windowTitle(),
              QString(),
              {},
              QString(),
              dialog};
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        item.text = box->text();
        item.details = box->detailedText();
        for (QAbstractButton *button : box->buttons())
            item.entries.append(button->text());
    }
    seen.append(item);
    // A hook may open a dialog of its own, which the next look closes.
    busy.append(dialog);
    // A hook that waits may see the dialog close and be deleted.
    const QPointer<QDialog> alive(dialog);
    if (onDialog)
        onDialog(dialog);
    busy.removeOne(dialog);
    if (alive && alive->isVisible())
        alive->done(0);
}
