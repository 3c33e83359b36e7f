#include "plugins/pluginmanagerhelper.h"

#include "platform/platform.h"

#include <QCoreApplication>

namespace PluginManagerHelper {

QDebug Warning()
{
    return qWarning() << "QDebug PluginManagerHelper::Warning() [MGR] WARNING:";
}

QString pluginFileName(const QString &baseName)
{
    return Platform::pluginFileName(baseName);
}

QString pluginFilePath(const QString &baseName)
{
    return QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(),
                                       pluginFileName(baseName));
}

PluginHandle<LoggingInterface> &loggingPlugin()
{
    static PluginHandle<LoggingInterface> handle(QStringLiteral("LoggingMessages"));
    return handle;
}

PluginHandle<SysInfoInterface> &sysInfoPlugin()
{
    static PluginHandle<SysInfoInterface> handle(QStringLiteral("SysInfo"));
    return handle;
}

PluginHandle<AboutAppInterface> &aboutPlugin()
{
    static PluginHandle<AboutAppInterface> handle(QStringLiteral("About"));
    return handle;
}

UpdaterHandle &updaterPlugin()
{
    static UpdaterHandle handle(QStringLiteral("Updater"));
    return handle;
}

} // namespace PluginManagerHelper
