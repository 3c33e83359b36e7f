#include "platform/platform.h"

#include "platform/toolstop.h"
#include <QCoreApplication>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSysInfo>
#include <QTimer>

namespace Platform {

QString toolFileName()
{
    return QStringLiteral("kestrel2.exe");
}

QStringList stagedToolNames()
{
    return {toolFileName(), QStringLiteral("ffmpeg.exe")};
}

QString replaceFile(const QString &path, const QByteArray &data, bool executable)
{
    Q_UNUSED(executable); // what runs is told by the name here
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        return QStringLiteral("cannot replace %1: %2").arg(path, file.errorString());
    return QString();
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

const char *updaterErrorAdvice()
{
    return QT_TRANSLATE_NOOP(
        "Updater",
        "We are attempting to download and process the update but something is blocking this "
        "on your machine.\n\nPlease close this window and check for any antivirus/malware "
        "programs that might be running and temporarily disable them. Then try running the "
        "update again.");
}

const char *updaterOfferWarning()
{
    return QT_TRANSLATE_NOOP("Updater", "We strongly suggest that you\ntemporarily disable your "
                                        "antivirus\nprogram before proceeding with\nthe update");
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

// The tool is yt-dlp itself here.
bool toolKeepsExtractedInfo()
{
    return false;
}

bool hasDisplay()
{
    return true;
}

// taskkill ends every process of the tool's image name, the tool's own helper included.
struct ToolStop::Private {
    ToolStop *owner = nullptr;
    QProcess taskkill;
    QDeadlineTimer deadline;
    QTimer timeout;
    bool done = false;
    bool stopped = false;

    void finish(bool ok)
    {
        if (done)
            return;
        done = true;
        stopped = ok;
        timeout.stop();
        emit owner->finished(ok);
    }
};

ToolStop::ToolStop(QProcess *, int timeoutMs, QObject *parent)
    : QObject(parent)
    , inner(std::make_unique<Private>())
{
    Private &d = *inner;
    d.owner = this;
    d.deadline.setRemainingTime(timeoutMs);
    d.timeout.setSingleShot(true);
    connect(&d.timeout, &QTimer::timeout, this, [this] {
        inner->taskkill.kill();
        inner->finish(false);
    });
    connect(&d.taskkill, &QProcess::finished, this, [this] { inner->finish(true); });
    connect(&d.taskkill, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            inner->finish(false);
    });
    d.timeout.start(timeoutMs);
    d.taskkill.start(QStringLiteral("taskkill"),
                     {QStringLiteral("/IM"), toolFileName(), QStringLiteral("/F")});
}

ToolStop::~ToolStop() = default;

bool ToolStop::waitForFinished()
{
    Private &d = *inner;
    if (!d.done && !d.taskkill.waitForFinished(int(qMax<qint64>(1, d.deadline.remainingTime()))))
        d.finish(false);
    return d.stopped;
}

bool ToolStop::isFinished() const
{
    return inner->done;
}

} // namespace Platform
