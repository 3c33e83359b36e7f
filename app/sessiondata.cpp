#include "app/sessiondata.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

SessionData::SessionData()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    settings = new QSettings(QStringLiteral("%1/%2").arg(folder, QStringLiteral("settings.ini")),
                             QSettings::IniFormat);
}

SessionData::~SessionData()
{
    delete settings;
}
