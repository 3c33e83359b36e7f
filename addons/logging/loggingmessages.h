#pragma once

#include "plugins/interfaces/logginginterface.h"

#include <QFile>
#include <QMutex>
#include <QObject>
#include <QString>

// Writes the program's trace into "clipmoor.log" in the local data folder while the user
// has switched logging on. The messages still reach the handler that was there before.
// The file is rotated once it passes a size limit, keeping one older file.
class LoggingMessages : public QObject, public LoggingInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LoggingInterface_iid)
    Q_INTERFACES(LoggingInterface)

public:
    LoggingMessages();
    ~LoggingMessages() override;

    void finish() override;
    void configure(const QString &folder, const QString &settingsFileName) override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;

    static constexpr qint64 maxFileSize = 1024 * 1024;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);
    void write(QtMsgType type, const QString &message);
    void start();
    void stop();

    QString folder;
    QString settingsPath;
    bool enabled = false;
    QMutex mutex;
    QFile file;
    QtMessageHandler previous = nullptr;
};
