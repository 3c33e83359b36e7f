#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

namespace Platform {

QString toolFileName()
{
    return QStringLiteral("kestrel2.exe");
}

QStringList stagedToolNames()
{
    return {toolFileName(), QStringLiteral("ffmpeg.exe")};
}

StageResult stageTool(const QString &source, const QString &destination)
{
    if (QFileInfo::exists(destination))
        return StageResult::Kept;
    if (!QFileInfo::exists(source))
        return StageResult::SourceMissing;
    return QFile::copy(source, destination) ? StageResult::Staged : StageResult::Failed;
}

void prepareToolProcess(QProcess &) {}

void dieWithParent(QProcess &) {}

bool endWithParent(qint64)
{
    return true;
}

// taskkill ends every process of the image name, the tool's own helper process included.
bool stopToolProcesses(const QList<QProcess *> &, int timeoutMs)
{
    QProcess taskkill;
    taskkill.start(QStringLiteral("taskkill"),
                   {QStringLiteral("/IM"), toolFileName(), QStringLiteral("/F")});
    return taskkill.waitForFinished(timeoutMs);
}

QString stopFailureText()
{
    return QStringLiteral("Failed to execute taskkill command");
}

// taskkill already ends every tool process.
void endProcessGroup(qint64) {}

void quitOnTerminationRequest(const std::function<void()> &) {}

QString pluginFileName(const QString &baseName)
{
    return baseName + QStringLiteral(".dll");
}

QString updateManifestName()
{
    return QStringLiteral("clm-updater-win.json");
}

// Every Windows installer is a program.
bool isInstallerPackage(const QString &)
{
    return false;
}

bool makeStartable(const QString &, QString &)
{
    return true;
}

// The self-updating kestrel2.exe is yt-dlp's own Windows build.
ToolReleaseFiles toolReleaseFiles()
{
    if (QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64"))
        return {QStringLiteral("yt-dlp.exe"), QStringLiteral("deno-x86_64-pc-windows-msvc.zip")};
    return {};
}

} // namespace Platform
