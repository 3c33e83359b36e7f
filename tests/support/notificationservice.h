#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A desktop notification service on the session bus, as a desktop runs one: it records
// what it is asked to show and can report a chosen action back to the asker.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown {
        uint id;
        QString appName, appIcon, summary, body;
        QStringList actions;
        QVariantMap hints;
    };

    NotificationService();
    ~NotificationService() override;
    bool registered() const { return ok; }
    QList<Shown> shown;
    QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body")};

    // As if the user clicked the action on notification id.
    void invokeAction(uint id, const QString &action);

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon,
                const QString &summary, const QString &body, const QStringList &actions,
                const QVariantMap &hints, int timeout);
    QStringList GetCapabilities();
    void CloseNotification(uint id);

private:
    QDBusConnection bus; // a connection of its own, so calls travel through the bus
    bool ok = false;
};
