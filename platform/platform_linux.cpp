#include "platform/platform.h"
#include "platform/toolstop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr pid_t firstProcess = 1;

// A signal handler only writes a byte into its pipe; the event loop reads it.
struct SignalPipe {
    int ends[2] = {-1, -1};

    bool open()
    {
        if (ends[0] >= 0)
            return true;
        if (::pipe(ends) != 0)
            return false;
        for (int end : ends) {
            ::fcntl(end, F_SETFD, FD_CLOEXEC);
            ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
        }
        return true;
    }
    void raise() const
    {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(ends[1], &byte, 1);
        errno = saved;
    }
    void drain() const
    {
        char bytes[64];
        while (::read(ends[0], bytes, sizeof bytes) > 0) {
        }
    }
};

SignalPipe terminationPipe;
SignalPipe childPipe;
struct sigaction previousChildAction = {};

void onTerminationSignal(int)
{
    terminationPipe.raise();
}

// Qt may have its own SIGCHLD handler (older kernels); it still runs.
void onChildSignal(int signal, siginfo_t *info, void *context)
{
    childPipe.raise();
    if (previousChildAction.sa_flags & SA_SIGINFO) {
        if (previousChildAction.sa_sigaction)
            previousChildAction.sa_sigaction(signal, info, context);
    } else if (previousChildAction.sa_handler != SIG_DFL &&
               previousChildAction.sa_handler != SIG_IGN) {
        previousChildAction.sa_handler(signal);
    }
}

std::function<void()> &quitFunction()
{
    static std::function<void()> quit;
    return quit;
}

bool groupGone(pid_t group)
{
    return ::kill(-group, 0) == -1 && errno == ESRCH;
}

bool sameContents(const QString &one, const QString &other)
{
    QFile a(one);
    QFile b(other);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    return a.readAll() == b.readAll();
}

bool isLinkTo(const QString &link, const QString &target)
{
    const QFileInfo info(link);
    return info.isSymLink() && info.symLinkTarget() == QFileInfo(target).absoluteFilePath();
}

} // namespace

namespace Platform {

QString toolFileName()
{
    return QStringLiteral("kestrel2");
}

QString replaceFile(const QString &path, const QByteArray &data, bool executable)
{
    const QFileInfo target(path);
    QTemporaryFile file(target.path() + QLatin1Char('/') + QLatin1String(partialPrefix) +
                        target.fileName() + QStringLiteral("-XXXXXX"));
    if (!file.open())
        return QStringLiteral("cannot write in %1: %2").arg(target.path(), file.errorString());
    if (file.write(data) != data.size() || !file.flush())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    if (executable && !file.setPermissions(file.permissions() | QFileDevice::ExeOwner))
        return QStringLiteral("cannot make %1 runnable: %2").arg(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return QStringLiteral("cannot replace %1: %2")
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
    return QString();
}

StageResult stageTool(const QString &source, const QString &destination)
{
    const QFileInfo staged(destination);
    // A dangling link does not exist for QFileInfo::exists(), yet is in the way.
    const bool present = staged.exists() || staged.isSymLink();
    if (!QFileInfo::exists(source))
        return present ? StageResult::Kept : StageResult::SourceMissing;
    if (staged.fileName() == toolFileName()) {
        if (present && !staged.isSymLink() && sameContents(source, destination))
            return StageResult::Kept;
        QFile shipped(source);
        if (!shipped.open(QIODevice::ReadOnly))
            return StageResult::Failed;
        return replaceFile(destination, shipped.readAll(), true).isEmpty() ? StageResult::Staged
                                                                           : StageResult::Failed;
    }
    // ffmpeg and its libraries come from the system: a link follows their upgrades.
    if (isLinkTo(destination, source))
        return StageResult::Kept;
    if (present)
        QFile::remove(destination);
    return QFile::link(QFileInfo(source).absoluteFilePath(), destination) ? StageResult::Staged
                                                                          : StageResult::Failed;
}

QStringList stagedToolNames()
{
    return {toolFileName(), QStringLiteral("ffmpeg")};
}

// Each tool run leads its own process group, so that stopping it also reaches what it
// started (ffmpeg while merging, the yt-dlp behind the launcher) and nothing else.
void prepareToolProcess(QProcess &process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        if (!endWithParent(parent))
            ::_exit(127);
    });
}

void dieWithParent(QProcess &process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        if (!endWithParent(parent))
            ::_exit(127);
    });
}

bool endWithParent(qint64 parent)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have gone before the request was made, even before parent was read:
    // an orphan belongs to the first process.
    return parent != firstProcess && ::getppid() == pid_t(parent);
}

QString stopFailureText()
{
    return QStringLiteral("Failed to stop the tool processes");
}

void endProcessGroup(qint64 pid)
{
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
}

void quitOnTerminationRequest(const std::function<void()> &quit)
{
    quitFunction() = quit;
    if (terminationPipe.ends[0] >= 0)
        return;
    if (!terminationPipe.open()) {
        qWarning() << "WARNING: Cannot watch for termination signals";
        return;
    }
    auto *notifier = new QSocketNotifier(terminationPipe.ends[0], QSocketNotifier::Read,
                                         QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        terminationPipe.drain();
        qInfo() << "Asked to end by a signal";
        if (quitFunction())
            quitFunction()();
    });

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

QString pluginFileName(const QString &baseName)
{
    return baseName + QStringLiteral(".so");
}

const char *updaterErrorAdvice()
{
    return QT_TRANSLATE_NOOP(
        "Updater",
        "We are attempting to download and process the update but something went wrong on the "
        "way.\n\nPlease close this window, check the internet connection and the free space in "
        "your Downloads folder, then try running the update again.");
}

const char *updaterOfferWarning()
{
    return QT_TRANSLATE_NOOP("Updater", "The program closes when the\nupdate starts: let a "
                                        "running\ndownload finish before\nproceeding");
}

QString updateManifestName()
{
    return QStringLiteral("clm-updater-linux.json");
}

bool isInstallerPackage(const QString &path)
{
    // Packages are installed by the desktop's software tool, not run.
    static const QStringList packageSuffixes = {QStringLiteral("deb"), QStringLiteral("rpm"),
                                                QStringLiteral("flatpakref")};
    return packageSuffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

bool makeStartable(const QString &path, QString &error)
{
    QFile installer(QFileInfo(path).absoluteFilePath());
    if (installer.setPermissions(installer.permissions() | QFile::ExeOwner))
        return true;
    error = QStringLiteral("Cannot make %1 executable: %2").arg(path, installer.errorString());
    return false;
}

ToolReleaseFiles toolReleaseFiles()
{
    const QString arch = QSysInfo::currentCpuArchitecture();
    if (arch == QLatin1String("x86_64"))
        return {QStringLiteral("yt-dlp_linux"),
                QStringLiteral("deno-x86_64-unknown-linux-gnu.zip")};
    if (arch == QLatin1String("arm64")) {
        return {QStringLiteral("yt-dlp_linux_aarch64"),
                QStringLiteral("deno-aarch64-unknown-linux-gnu.zip")};
    }
    return {};
}

// The launcher keeps it in its info cache.
bool toolKeepsExtractedInfo()
{
    return true;
}

bool hasDisplay()
{
    // Qt tries the platforms named in order; any but X11 and Wayland (offscreen, vnc,
    // eglfs, ...) starts without a display server.
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const QString &platform : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland")))
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// How a stop waits without holding the event loop or reading /proc. SIGKILL goes to the
// run's process group. The run's own process is QProcess's child: only its finished()
// says it has gone, and nothing here may reap it. While any stop is under way this
// process is a child subreaper, so that what the run started comes to it as its parent
// dies; SIGCHLD then wakes the stop, which reaps that group's children (never before the
// QProcess has reaped its own, the only one in the group) until the group is empty.
struct ToolStop::Private {
    ToolStop *owner = nullptr;
    QPointer<QProcess> process;
    pid_t group = 0;
    QDeadlineTimer deadline;
    QTimer timeout;
    bool leaderEnded = false;
    bool done = false;
    bool stopped = false;
    bool reported = false;

    void begin();
    void check();
    void finish(bool ok);
    void report();
};

namespace {

// The stops under way; while there is one, this process is a subreaper and SIGCHLD wakes
// each of them.
QList<ToolStop::Private *> &activeStops()
{
    // Never destroyed: a stop owned by another static (the engine) may end after it would be.
    static auto *stops = new QList<ToolStop::Private *>;
    return *stops;
}

void onChildPipe()
{
    childPipe.drain();
    const QList<ToolStop::Private *> stops = activeStops();
    for (ToolStop::Private *stop : stops) {
        if (activeStops().contains(stop))
            stop->check();
    }
}

void watchChildren()
{
    static bool installed = false;
    if (installed || !childPipe.open())
        return;
    installed = true;
    if (QCoreApplication *app = QCoreApplication::instance()) {
        auto *notifier = new QSocketNotifier(childPipe.ends[0], QSocketNotifier::Read, app);
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, onChildPipe);
    }
    struct sigaction action = {};
    action.sa_sigaction = onChildSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_RESTART | SA_NOCLDSTOP;
    ::sigaction(SIGCHLD, &action, &previousChildAction);
}

void addStop(ToolStop::Private *stop)
{
    watchChildren();
    if (activeStops().isEmpty())
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    activeStops().append(stop);
}

void removeStop(ToolStop::Private *stop)
{
    if (activeStops().removeAll(stop) > 0 && activeStops().isEmpty())
        ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

} // namespace

void ToolStop::Private::begin()
{
    group = pid_t(process->processId());
    addStop(this);
    ::kill(-group, SIGKILL);
    // Before its setpgid() the process is not yet in a group of its own.
    ::kill(group, SIGKILL);
}

void ToolStop::Private::check()
{
    // A QProcess that lost its connections still says when it has reaped its child.
    if (!process || process->state() == QProcess::NotRunning)
        leaderEnded = true;
    if (done || !leaderEnded)
        return;
    // The group's ID is not given to another while the group has a member.
    if (group <= 0 || groupGone(group))
        return finish(true);
    siginfo_t info = {};
    while (::waitid(P_PGID, id_t(group), &info, WEXITED | WNOHANG) == 0 && info.si_pid != 0)
        info = {};
    if (groupGone(group))
        finish(true);
}

void ToolStop::Private::finish(bool ok)
{
    if (done)
        return;
    done = true;
    stopped = ok;
    timeout.stop();
    removeStop(this);
    // Never from inside a QProcess's signal: the owner may go in the slot.
    QMetaObject::invokeMethod(
        owner, [this] { report(); }, Qt::QueuedConnection);
}

void ToolStop::Private::report()
{
    if (reported)
        return;
    reported = true;
    emit owner->finished(stopped);
}

ToolStop::ToolStop(QProcess *process, int timeoutMs, QObject *parent)
    : QObject(parent)
    , inner(std::make_unique<Private>())
{
    Private &d = *inner;
    d.owner = this;
    d.process = process;
    d.deadline.setRemainingTime(timeoutMs);
    d.timeout.setSingleShot(true);
    connect(&d.timeout, &QTimer::timeout, this, [this] { inner->finish(false); });
    d.timeout.start(timeoutMs);

    d.leaderEnded = !process || process->state() == QProcess::NotRunning;
    if (!d.leaderEnded) {
        connect(process, &QProcess::finished, this, [this] {
            inner->leaderEnded = true;
            inner->check();
        });
        connect(process, &QObject::destroyed, this, [this] {
            inner->leaderEnded = true;
            inner->check();
        });
        if (process->processId() > 0) {
            d.begin();
        } else {
            connect(process, &QProcess::started, this, [this] { inner->begin(); });
            connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart) {
                    inner->leaderEnded = true;
                    inner->check();
                }
            });
        }
    }
    // Reported from the event loop, never from inside the request to stop.
    QTimer::singleShot(0, this, [this] { inner->check(); });
}

ToolStop::~ToolStop()
{
    removeStop(inner.get());
}

bool ToolStop::waitForFinished()
{
    Private &d = *inner;
    while (!d.done) {
        if (d.deadline.hasExpired()) {
            d.finish(false);
            break;
        }
        const int remainingMs = int(qMax<qint64>(1, d.deadline.remainingTime()));
        if (!d.leaderEnded && d.process && d.process->state() != QProcess::NotRunning) {
            // QProcess reaps its own child and emits finished() from inside.
            d.process->waitForFinished(remainingMs);
            continue;
        }
        d.check();
        if (d.done)
            break;
        pollfd wake = {childPipe.ends[0], POLLIN, 0};
        if (::poll(&wake, 1, remainingMs) > 0)
            childPipe.drain();
    }
    d.report();
    return d.stopped;
}

bool ToolStop::isFinished() const
{
    return inner->done;
}

} // namespace Platform
