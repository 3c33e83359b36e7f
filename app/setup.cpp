#include "app/setup.h"

#include "app/identity.h"
#include "app/logtag.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString &outputDirStorage()
{
    static QString dir;
    return dir;
}

QString pathIn(const QString &folder, const QString &name)
{
    return QStringLiteral("%1/%2").arg(folder, name);
}

// The tag is the caller's, so that the line names prepareOutputDir().
void makeOutputDir(const QString &dir, const QString &tag)
{
    if (!QDir().mkpath(dir)) {
        qCritical() << tag << "!!! ERROR: output dir" << dir;
    } else {
        qDebug().noquote() << "OK: output dir" << dir;
    }
}

} // namespace

const QString &outputDir()
{
    return outputDirStorage();
}

QString downloadFolder(const QSettings &settings, QString *unusable)
{
    const QString chosen = settings.value(QLatin1String(downloadFolderKey)).toString();
    if (chosen.isEmpty())
        return outputDir();
    const QFileInfo folder(chosen);
    if (folder.isDir() && folder.isWritable())
        return chosen;
    qWarning().noquote() << "WARNING: download folder unusable, using" << outputDir() << "for"
                         << chosen;
    if (unusable)
        *unusable = chosen;
    return outputDir();
}

void storeIfChanged(QSettings *settings, const QString &key, const QString &value)
{
    if (settings->value(key, QString()).toString() == value)
        return;
    settings->setValue(key, value);
}

void checkAndSetupFiles(QSettings *settings)
{
    qDebug().noquote() << "-->" << CLM_TAG;

    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir().mkpath(dataDir)) {
        qCritical() << CLM_TAG << "!!! ERROR: data dir" << dataDir;
    } else {
        qDebug().noquote() << "OK: data dir" << dataDir;
    }

    storeIfChanged(settings, QStringLiteral("Version/Num"), QLatin1String(Identity::version));
    storeIfChanged(settings, QStringLiteral("Version/Date"), QLatin1String(Identity::buildDate));

    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &name : Platform::stagedToolNames()) {
        const QString source = pathIn(appDir, name);
        const QString destination = pathIn(dataDir, name);
        switch (Platform::stageTool(source, destination)) {
        case Platform::StageResult::Kept:
            break;
        case Platform::StageResult::SourceMissing:
            qWarning() << "WARNING: No file in:" << source;
            break;
        case Platform::StageResult::Failed:
            qWarning() << "WARNING: Cannot stage" << source << "as" << destination;
            Q_FALLTHROUGH();
        case Platform::StageResult::Staged:
            qDebug().noquote() << name << "copy to:" << destination;
            break;
        }
    }

    prepareOutputDir();
}

void prepareOutputDir()
{
    qDebug().noquote() << "-->" << CLM_TAG;

    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QString &dir = outputDirStorage();
    dir = pathIn(downloads, QStringLiteral("CLM"));
    makeOutputDir(dir, CLM_TAG);

    // An installer file named like the output folder is moved aside, or removed.
    const QDir folder = QFileInfo(dir).dir();
    for (const char *extension : {"exe", "msi"}) {
        const QString ext = QLatin1String(extension);
        const QString candidate =
            folder.filePath(QStringLiteral("%1.%2").arg(QStringLiteral("CLM"), ext));
        if (!QFileInfo::exists(candidate))
            continue;
        const QString renamed =
            folder.filePath(QStringLiteral("%1_Installer.%2").arg(QStringLiteral("CLM"), ext));
        if (QFile::rename(candidate, renamed)) {
            qInfo().noquote() << CLM_TAG << "Renamed" << candidate << "to" << renamed;
            continue;
        }
        qCritical() << CLM_TAG << "!!! ERROR: Failed to rename" << candidate;
        if (QFile::remove(candidate))
            continue;
        qCritical() << CLM_TAG << "!!! ERROR: Failed to remove" << candidate;
        dir = pathIn(downloads, QStringLiteral("Clipmoor"));
        makeOutputDir(dir, CLM_TAG);
    }
}
