#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>

class QWidget;

// Tells the user that a download has ended while they look at another window: a desktop
// notification through the freedesktop notification service, and a request for attention.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(QWidget *window);

    // Both do nothing while the window is the active one.
    void downloadFinished(const QString &videoTitle);
    void downloadFailed(const QString &videoTitle);

signals:
    // The user chose the notification's "Open Folder" action.
    void openFolderRequested();

private slots:
    // D-Bus signals can only be connected by name.
    void whenActionInvoked(uint id, const QString &action);
    void whenClosed(uint id, uint reason);

private:
    void notify(const QString &summary, const QString &body, bool offerFolder);
    // body as the server shows it: escaped when it reads markup.
    void send(const QString &summary, const QString &body, bool offerFolder);

    QPointer<QWidget> window;
    QSet<uint> offeringFolder; // shown notifications whose action opens the folder
    bool listening = false;    // to the server's signals
};
