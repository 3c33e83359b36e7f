#include "ui/addressintake.h"

#include "engine/clipmoor.h"
#include "ui/downloadchoices.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

namespace {

std::optional<Address> accepted(const QString &text)
{
    return text.isEmpty() ? std::nullopt : Address::accept(text);
}

} // namespace

AddressIntake::AddressIntake(QWidget *window_, QLineEdit *field_, Clipmoor *engine_,
                             const QSettings *settings_)
    : QObject(window_)
    , window(window_)
    , field(field_)
    , engine(engine_)
    , settings(settings_)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // The field would insert a dropped text where it lands; the whole link belongs there.
    field->setAcceptDrops(false);
    // What the user changes is no longer the address that was being prepared.
    connect(field, &QLineEdit::textEdited, engine, &Clipmoor::stopPreparing);
}

std::optional<Address> AddressIntake::addressIn(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    for (const QUrl &url : data->urls()) {
        if (std::optional<Address> address = accepted(url.toString()))
            return address;
    }
    if (data->hasText())
        return accepted(data->text().trimmed());
    return std::nullopt;
}

void AddressIntake::offerClipboard()
{
    if (!field->text().isEmpty() || !fieldShown())
        return;
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QString text = clipboard ? clipboard->text().trimmed() : QString();
    if (const std::optional<Address> address = accepted(text))
        take(*address);
}

void AddressIntake::take(const Address &address)
{
    field->setText(address.text());
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
    if (DownloadChoices::prepareCopied(settings))
        engine->prepare(address);
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
        if (fieldShown() && addressIn(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const std::optional<Address> address =
            fieldShown() ? addressIn(drop->mimeData()) : std::nullopt;
        if (!address) {
            drop->ignore();
        } else {
            take(*address);
            drop->acceptProposedAction();
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
