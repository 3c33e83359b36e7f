#include "updater/updaterplatform.h"

#include "platform/platform.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace UpdaterPlatform {

QString manifestFileName()
{
    return Platform::updateManifestName();
}

Result<> startInstaller(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile())
        return fail(QStringLiteral("%1 is not a file").arg(path));
    if (Platform::isInstallerPackage(path)) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
            return {};
        return fail(QStringLiteral("No program of the desktop opens %1").arg(path));
    }
    if (const Result<> startable = Platform::makeStartable(path); !startable)
        return startable;
    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setWorkingDirectory(file.absolutePath());
    if (process.startDetached())
        return {};
    return fail(QStringLiteral("Cannot start %1: %2").arg(path, process.errorString()));
}

const char *errorAdvice()
{
    return Platform::updaterErrorAdvice();
}

const char *offerWarning()
{
    return Platform::updaterOfferWarning();
}

} // namespace UpdaterPlatform
