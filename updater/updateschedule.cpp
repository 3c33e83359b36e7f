#include "updater/updateschedule.h"

#include "updater/updaterlog.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace {

QString settingsPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return QStringLiteral("%1/updater.ini").arg(folder);
}

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

} // namespace

UpdateSchedule::UpdateSchedule(QObject *parent)
    : QObject(parent)
    , settings(settingsPath(), QSettings::IniFormat)
{
    UPD_INFO("Updater") << settings.fileName();
    QString name = QCoreApplication::applicationName();
    name.remove(QLatin1Char(' '));
    skipUntilKey = QStringLiteral("SKIP_UPDATE_UNTIL/%1").arg(name);
    lastCheckKey = QStringLiteral("LAST_CHECK_DATE/%1").arg(name);
}

bool UpdateSchedule::skipRunning() const
{
    const QDateTime until =
        QDateTime::fromString(settings.value(skipUntilKey).toString(), Qt::ISODate);
    return until.isValid() && QDateTime::currentDateTimeUtc() < until;
}

void UpdateSchedule::setSkip(bool skip)
{
    if (skip)
        settings.setValue(skipUntilKey,
                          QDateTime::currentDateTimeUtc().addDays(skipDays).toString(Qt::ISODate));
    else
        settings.remove(skipUntilKey);
    settings.sync();
    emit skipChanged();
}

bool UpdateSchedule::checkedToday() const
{
    return settings.value(lastCheckKey).toString() == today();
}

void UpdateSchedule::recordCheckToday()
{
    settings.setValue(lastCheckKey, today());
    settings.sync();
}
