#include "platform/platform.h"

#include "platform/taskkill.h"
#include "platform/toolstop.h"
#include <QCoreApplication>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
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

// taskkill already ended everything the run started.
void endToolLeftovers(const QProcess &, qint64) {}

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

Result<> makeStartable(const QString &)
{
    return {};
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

// Where the profiles lie here is not looked into: no browser is offered by itself.
QStringList browsersWithProfiles(const QStringList &)
{
    return {};
}

bool hasDisplay()
{
    return true;
}

// taskkill ends the run's own process and everything it started, and nothing else: not
// another run, not the tool's detached self-update.
struct ToolStop::Private {
    ToolStop *owner = nullptr;
    QPointer<QProcess> tool;
    qint64 pid = 0;
    QProcess taskkill;
    QDeadlineTimer deadline;
    QTimer timeout;
    bool started = false;
    bool treeEnded = false;
    bool done = false;
    bool stopped = false;

    bool toolEnded() const { return !tool || tool->state() == QProcess::NotRunning; }

    void start()
    {
        if (started || done)
            return;
        started = true;
        if (pid <= 0) {
            treeEnded = true;
            check();
            return;
        }
        taskkill.start(QStringLiteral("taskkill"), Taskkill::arguments(pid));
    }

    void check()
    {
        if (treeEnded && toolEnded())
            finish(true);
    }

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

ToolStop::ToolStop(QProcess *process, int timeoutMs, QObject *parent)
    : QObject(parent)
    , inner(std::make_unique<Private>())
{
    Private &d = *inner;
    d.owner = this;
    d.tool = process;
    d.pid = process ? process->processId() : 0;
    d.deadline.setRemainingTime(timeoutMs);
    d.timeout.setSingleShot(true);
    connect(&d.timeout, &QTimer::timeout, this, [this] {
        inner->taskkill.kill();
        inner->finish(false);
    });
    if (process)
        connect(process, &QProcess::finished, this, [this] { inner->check(); });
    connect(&d.taskkill, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                if (!Taskkill::treeEnded(status, exitCode))
                    return inner->finish(false);
                inner->treeEnded = true;
                inner->check();
            });
    connect(&d.taskkill, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            inner->finish(false);
    });
    d.timeout.start(timeoutMs);
    // Started from the event loop, so that even a taskkill that cannot start reports only
    // after the caller has connected to finished().
    QTimer::singleShot(0, this, [this] { inner->start(); });
}

ToolStop::~ToolStop() = default;

bool ToolStop::waitForFinished()
{
    Private &d = *inner;
    d.start();
    const auto remaining = [&d] {
        return int(qMax<qint64>(1, d.deadline.remainingTime()));
    };
    if (!d.done && d.taskkill.state() != QProcess::NotRunning)
        d.taskkill.waitForFinished(remaining());
    if (!d.done && d.treeEnded && d.tool)
        d.tool->waitForFinished(remaining());
    d.check();
    if (!d.done)
        d.finish(false);
    return d.stopped;
}

bool ToolStop::isFinished() const
{
    return inner->done;
}

} // namespace Platform
