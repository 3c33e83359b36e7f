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

bool startInstaller(const QString &path, QString &error)
{
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        error = QStringLiteral("%1 is not a file").arg(path);
        return false;
    }
    if (Platform::isInstallerPackage(path)) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
            return true;
        error = QStringLiteral("No program of the desktop opens %1").arg(path);
        return false;
    }
    if (!Platform::makeStartable(path, error))
        return false;
    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setWorkingDirectory(file.absolutePath());
    if (process.startDetached())
        return true;
    error = QStringLiteral("Cannot start %1: %2").arg(path, process.errorString());
    return false;
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
