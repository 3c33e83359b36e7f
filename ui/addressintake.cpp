#include "ui/addressintake.h"

#include "engine/address.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

namespace {

bool accepted(const QString &text)
{
    return !text.isEmpty() && Address::accept(text).has_value();
}

} // namespace

AddressIntake::AddressIntake(QWidget *window_, QLineEdit *field_)
    : QObject(window_)
    , window(window_)
    , field(field_)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // The field would insert a dropped text where it lands; the whole link belongs there.
    field->setAcceptDrops(false);
}

QString AddressIntake::addressIn(const QMimeData *data)
{
    if (!data)
        return {};
    for (const QUrl &url : data->urls()) {
        const QString text = url.toString();
        if (accepted(text))
            return text;
    }
    if (data->hasText()) {
        const QString text = data->text().trimmed();
        if (accepted(text))
            return text;
    }
    return {};
}

void AddressIntake::offerClipboard()
{
    if (!field->text().isEmpty() || !fieldShown())
        return;
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QString text = clipboard ? clipboard->text().trimmed() : QString();
    if (accepted(text))
        take(text);
}

void AddressIntake::take(const QString &address)
{
    field->setText(address);
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
    emit taken(address);
}

bool AddressIntake::fieldShown() const
{
    return field->isVisibleTo(window);
}

bool AddressIntake::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::WindowActivate:
        // Back from the browser with a freshly copied link.
        offerClipboard();
        return QObject::eventFilter(watched, event);
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (fieldShown() && !addressIn(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString address = fieldShown() ? addressIn(drop->mimeData()) : QString();
        if (address.isEmpty()) {
            drop->ignore();
        } else {
            take(address);
            drop->acceptProposedAction();
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
