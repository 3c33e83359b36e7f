#include "ui/startupchecks.h"

#include "app/identity.h"
#include "plugins/pluginmanagerhelper.h"

#include <QCommandLineParser>
#include <QDebug>

using PluginManagerHelper::sysInfoPlugin;
using PluginManagerHelper::updaterPlugin;

void runStartupChecks(QCommandLineParser *parser)
{
    if (parser && parser->isSet(QStringLiteral("uid"))) {
        if (sysInfoPlugin().get())
            sysInfoPlugin().get()->showUid();
    }
    if (parser && parser->isSet(QStringLiteral("update-as"))) {
        const QString value = parser->value(QStringLiteral("update-as"));
        if (value.isEmpty())
            parser->showHelp(0);
        qDebug().noquote() << "------------------";
        qDebug().noquote() << "Update as version:" << value;
        if (updaterPlugin().get())
            updaterPlugin().get()->manualCheck(uint(value.toInt()),
                                               QLatin1String(Identity::version));
    } else if (updaterPlugin().get()) {
        updaterPlugin().get()->startupCheck(Identity::versionNumber,
                                            QLatin1String(Identity::buildDate));
    }
}
