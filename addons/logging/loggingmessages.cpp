#include "addons/logging/loggingmessages.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>

namespace {

LoggingMessages *active = nullptr; // the instance whose handler is installed

const char enabledKey[] = "Logging/Enabled";

const char *levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "?";
}

} // namespace

LoggingMessages::LoggingMessages() = default;

LoggingMessages::~LoggingMessages()
{
    stop();
}

void LoggingMessages::configure(const QString &folder_, const QString &settingsFileName)
{
    folder = folder_;
    settingsPath = QDir(folder).filePath(settingsFileName);
    enabled = QSettings(settingsPath, QSettings::IniFormat)
                  .value(QLatin1String(enabledKey), false)
                  .toBool();
    if (enabled)
        start();
}

bool LoggingMessages::isEnabled() const
{
    return enabled;
}

void LoggingMessages::setEnabled(bool on)
{
    enabled = on;
    if (!settingsPath.isEmpty())
        QSettings(settingsPath, QSettings::IniFormat).setValue(QLatin1String(enabledKey), on);
    if (on)
        start();
    else
        stop();
}

void LoggingMessages::finish()
{
    stop();
}

void LoggingMessages::start()
{
    if (active == this || folder.isEmpty())
        return;
    QDir().mkpath(folder);
    {
        QMutexLocker lock(&mutex);
        file.setFileName(QDir(folder).filePath(QStringLiteral("clipmoor.log")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return;
    }
    active = this;
    previous = qInstallMessageHandler(&LoggingMessages::handle);
}

void LoggingMessages::stop()
{
    if (active != this)
        return;
    qInstallMessageHandler(previous);
    active = nullptr;
    QMutexLocker lock(&mutex);
    file.close();
}

void LoggingMessages::handle(QtMsgType type, const QMessageLogContext &context,
                             const QString &message)
{
    LoggingMessages *self = active;
    if (!self)
        return;
    if (self->previous)
        self->previous(type, context, message);
    self->write(type, message);
}

void LoggingMessages::write(QtMsgType type, const QString &message)
{
    QMutexLocker lock(&mutex);
    if (!file.isOpen())
        return;
    if (file.size() > maxFileSize) {
        // Keep one older file; the log never grows without bound.
        const QString name = file.fileName();
        file.close();
        QFile::remove(name + QStringLiteral(".1"));
        QFile::rename(name, name + QStringLiteral(".1"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return;
    }
    const QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() +
                            ' ' + levelName(type) + ": " + message.toUtf8() + '\n';
    file.write(line);
    file.flush();
}
