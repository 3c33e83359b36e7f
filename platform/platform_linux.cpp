#include "platform/platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/types.h>
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

void onTerminationSignal(int)
{
    terminationPipe.raise();
}

std::function<void()> &quitFunction()
{
    static std::function<void()> quit;
    return quit;
}

// True when some process of the group has not ended yet; zombies have ended.
bool groupHasLiveMember(pid_t group)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool numeric = false;
        entry.toInt(&numeric);
        if (!numeric)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid pgrp ...": comm may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        if (close < 0)
            continue;
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() < 3)
            continue;
        const char state = fields.at(0).isEmpty() ? '?' : fields.at(0).at(0);
        if (fields.at(2).toLongLong() == group && state != 'Z' && state != 'X')
            return true;
    }
    return false;
}

bool groupAlive(pid_t group)
{
    if (::kill(-group, 0) == -1 && errno == ESRCH)
        return false;
    return groupHasLiveMember(group);
}

bool sameContents(const QString &one, const QString &other)
{
    QFile a(one);
    QFile b(other);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    return a.readAll() == b.readAll();
}

// A copy beside the destination renamed over it, so that a run never meets half a file.
bool replaceWithCopy(const QString &source, const QString &destination)
{
    const QString fresh = destination + QStringLiteral(".new");
    QFile::remove(fresh);
    if (!QFile::copy(source, fresh))
        return false;
    if (std::rename(QFile::encodeName(fresh).constData(),
                    QFile::encodeName(destination).constData()) == 0)
        return true;
    QFile::remove(fresh);
    return false;
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
        return replaceWithCopy(source, destination) ? StageResult::Staged : StageResult::Failed;
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

bool stopToolProcesses(const QList<QProcess *> &processes, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QList<pid_t> groups;
    for (QProcess *process : processes) {
        if (process->state() == QProcess::Starting)
            process->waitForStarted(int(deadline.remainingTime()));
        const pid_t pid = pid_t(process->processId());
        if (pid <= 0)
            continue;
        ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        groups.append(pid);
    }
    for (pid_t group : groups) {
        while (groupAlive(group)) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(2);
        }
    }
    return true;
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

} // namespace Platform
