#include "ui/desktopnotifier.h"

#include "app/identity.h"

#include <QApplication>
#include <QDebug>
#include <QWidget>

#if QT_CONFIG(dbus)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace {

constexpr char service[] = "org.freedesktop.Notifications";
constexpr char path[] = "/org/freedesktop/Notifications";
constexpr char interface[] = "org.freedesktop.Notifications";
constexpr char openFolderAction[] = "open-folder";
constexpr int serverDefaultTimeout = -1;

} // namespace

// The session bus is reached only when there is something to tell: a session without
// one must not have a bus daemon started for it at the program's start.
DesktopNotifier::DesktopNotifier(QWidget *window_)
    : QObject(window_)
    , window(window_)
{
}

void DesktopNotifier::downloadFinished(const QString &videoTitle)
{
    notify(tr("Video Successfully Downloaded"), videoTitle, true);
}

void DesktopNotifier::downloadFailed(const QString &videoTitle)
{
    notify(tr("Download failed"), videoTitle, false);
}

void DesktopNotifier::notify(const QString &summary, const QString &body, bool offerFolder)
{
    if (!window || window->isActiveWindow())
        return;
    QApplication::alert(window);

#if QT_CONFIG(dbus)
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!listening) {
        listening = true;
        bus.connect(QLatin1String(service), QLatin1String(path), QLatin1String(interface),
                    QStringLiteral("ActionInvoked"), this, SLOT(whenActionInvoked(uint, QString)));
        bus.connect(QLatin1String(service), QLatin1String(path), QLatin1String(interface),
                    QStringLiteral("NotificationClosed"), this, SLOT(whenClosed(uint, uint)));
    }
    // A server that shows the body as plain text would show the escapes too: ask first.
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path),
                                       QLatin1String(interface), QStringLiteral("GetCapabilities"));
    auto *asked = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(asked, &QDBusPendingCallWatcher::finished, this,
            [this, summary, body, offerFolder](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<QStringList> reply = *finished;
                finished->deleteLater();
                const bool markup =
                    !reply.isError() && reply.value().contains(QLatin1String("body-markup"));
                send(summary, markup ? body.toHtmlEscaped() : body, offerFolder);
            });
#else
    Q_UNUSED(summary)
    Q_UNUSED(body)
    Q_UNUSED(offerFolder)
#endif
}

void DesktopNotifier::send(const QString &summary, const QString &body, bool offerFolder)
{
#if QT_CONFIG(dbus)
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path),
                                       QLatin1String(interface), QStringLiteral("Notify"));
    QStringList actions;
    if (offerFolder)
        actions << QLatin1String(openFolderAction) << tr("Open Folder");
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QLatin1String(Identity::applicationId)}};
    call << QLatin1String(Identity::name) << uint(0) << QLatin1String(Identity::applicationId)
         << summary << body << actions << hints << serverDefaultTimeout;

    // Asked without waiting, so that a slow or missing service never holds up the window.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, offerFolder](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                if (reply.isError()) {
                    qWarning().noquote()
                        << "WARNING: no desktop notification:" << reply.error().message();
                    return;
                }
                if (offerFolder)
                    offeringFolder.insert(reply.value());
            });
#else
    Q_UNUSED(summary)
    Q_UNUSED(body)
    Q_UNUSED(offerFolder)
#endif
}

void DesktopNotifier::whenActionInvoked(uint id, const QString &action)
{
    if (action == QLatin1String(openFolderAction) && offeringFolder.remove(id))
        emit openFolderRequested();
}

void DesktopNotifier::whenClosed(uint id, uint)
{
    offeringFolder.remove(id);
}
