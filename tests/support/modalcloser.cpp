#include "tests/support/modalcloser.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>

ModalCloser::ModalCloser()
{
    connect(&timer, &QTimer::timeout, this, &ModalCloser::look);
    timer.start(10);
}

void ModalCloser::look()
{
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        Seen item{QStringLiteral("QMenu"), menu->title(), QString(), {}, menu};
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
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        seen.append({QStringLiteral("QMessageBox"), box->windowTitle(), box->text(), {}, box});
        box->done(0);
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        seen.append({QString::fromLatin1(dialog->metaObject()->className()),
                     dialog->windowTitle(),
                     QString(),
                     {},
                     dialog});
        dialog->done(0);
    }
}
