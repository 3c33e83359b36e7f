#include "tests/support/notificationservice.h"

#include <QDBusMessage>

namespace {

constexpr char service[] = "org.freedesktop.Notifications";
constexpr char path[] = "/org/freedesktop/Notifications";
constexpr char connectionName[] = "notification-service";

} // namespace

NotificationService::NotificationService()
    : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QLatin1String(connectionName)))
{
    ok = bus.isConnected() &&
         bus.registerObject(QLatin1String(path), this, QDBusConnection::ExportAllSlots) &&
         bus.registerService(QLatin1String(service));
}

NotificationService::~NotificationService()
{
    bus.unregisterService(QLatin1String(service));
    bus.unregisterObject(QLatin1String(path));
    QDBusConnection::disconnectFromBus(QLatin1String(connectionName));
}

uint NotificationService::Notify(const QString &appName, uint, const QString &appIcon,
                                 const QString &summary, const QString &body,
                                 const QStringList &actions, const QVariantMap &hints, int)
{
    const uint id = uint(shown.size()) + 1;
    shown.append({id, appName, appIcon, summary, body, actions, hints});
    return id;
}

QStringList NotificationService::GetCapabilities()
{
    return capabilities;
}

void NotificationService::CloseNotification(uint) {}

void NotificationService::invokeAction(uint id, const QString &action)
{
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(path), QLatin1String(service),
                                                     QStringLiteral("ActionInvoked"));
    signal << id << action;
    bus.send(signal);
}
