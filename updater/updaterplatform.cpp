#include "updater/updaterplatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace UpdaterPlatform {

QString manifestFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("clm-updater-win.json");
#else
    return QStringLiteral("clm-updater-linux.json");
#endif
}

bool startInstaller(const QString &path, QString &error)
{
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        error = QStringLiteral("%1 is not a file").arg(path);
        return false;
    }
#ifndef Q_OS_WIN
    // Packages are installed by the desktop's software tool, not run.
    static const QStringList packageSuffixes = {QStringLiteral("deb"), QStringLiteral("rpm"),
                                                QStringLiteral("flatpakref")};
    if (packageSuffixes.contains(file.suffix(), Qt::CaseInsensitive)) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
            return true;
        error = QStringLiteral("No program of the desktop opens %1").arg(path);
        return false;
    }
    // A download is saved without execute permission.
    QFile installer(file.absoluteFilePath());
    if (!installer.setPermissions(installer.permissions() | QFile::ExeOwner)) {
        error = QStringLiteral("Cannot make %1 executable: %2").arg(path, installer.errorString());
        return false;
    }
#endif
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
#ifdef Q_OS_WIN
    return QT_TRANSLATE_NOOP(
        "Updater",
        "We are attempting to download and process the update but something is blocking this "
        "on your machine.\n\nPlease close this window and check for any antivirus/malware "
        "programs that might be running and temporarily disable them. Then try running the "
        "update again.");
#else
    return QT_TRANSLATE_NOOP(
        "Updater",
        "We are attempting to download and process the update but something went wrong on the "
        "way.\n\nPlease close this window, check the internet connection and the free space in "
        "your Downloads folder, then try running the update again.");
#endif
}

const char *offerWarning()
{
#ifdef Q_OS_WIN
    return QT_TRANSLATE_NOOP("Updater", "We strongly suggest that you\ntemporarily disable your "
                                        "antivirus\nprogram before proceeding with\nthe update");
#else
    return QT_TRANSLATE_NOOP("Updater", "The program closes when the\nupdate starts: let a "
                                        "running\ndownload finish before\nproceeding");
#endif
}

} // namespace UpdaterPlatform
