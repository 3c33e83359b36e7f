#include "updater/updaterconfig.h"

#include "updater/updaterplatform.h"

namespace UpdaterConfig {

namespace {

const char makerServer[] = "https://www.quorvel.com";

QString serverOverride()
{
    return qEnvironmentVariable("CLIPMOOR_UPDATE_SERVER");
}

} // namespace

QUrl manifestUrl()
{
    const QString server = serverOverride();
    return QUrl(QStringLiteral("%1/files/upd/%2")
                    .arg(server.isEmpty() ? QLatin1String(makerServer) : server,
                         UpdaterPlatform::manifestFileName()));
}

QStringList addressLookupUrls()
{
    const QString server = serverOverride();
    if (!server.isEmpty())
        return {server + QStringLiteral("/"), server + QStringLiteral("/ip"),
                server + QStringLiteral("/ip.php")};
    return {QStringLiteral("https://%1").arg(QStringLiteral("api.ipify.org/")),
            QStringLiteral("https://%1").arg(QStringLiteral("ifconfig.me/ip")),
            QStringLiteral("https://%1").arg(QStringLiteral("www.quorvel.com/ip.php"))};
}

bool distributionPackage()
{
    return CLIPMOOR_DISTRIBUTION_PACKAGE;
}

} // namespace UpdaterConfig
