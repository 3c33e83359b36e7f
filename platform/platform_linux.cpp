#include "platform/platform.h"
#include "platform/toolstop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMultiHash>
#include <QPointer>
#include <QProcess>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
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

// The environment variable that marks every process of one tool run.
constexpr char runMarkVariable[] = "CLIPMOOR_TOOL_RUN";
// The QProcess property that holds its run's mark.
constexpr char runMarkProperty[] = "clipmoorToolRun";
// How often a stop looks whether what it killed has gone.
constexpr int stopPollMs = 10;
// A tree that keeps growing faster than it can be frozen is killed as far as it was seen.
constexpr int maxFreezeRounds = 200;

// One process as /proc tells it; start tells it from a later process with the same ID.
struct RunMember {
    pid_t pid = 0;
    pid_t parent = 0;
    pid_t group = 0;
    quint64 start = 0;
    char state = '?';

    static std::optional<RunMember> read(pid_t pid)
    {
        QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QByteArray stat = file.read(4096);
        // The command name may hold blanks and parentheses; the fields follow its last ')'.
        const qsizetype close = stat.lastIndexOf(')');
        if (close < 0)
            return std::nullopt;
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        // state, ppid, pgrp, ... starttime is the 22nd field of the line, the 20th here.
        if (fields.size() < 20 || fields.at(0).isEmpty())
            return std::nullopt;
        RunMember member;
        member.pid = pid;
        member.state = fields.at(0).at(0);
        member.parent = pid_t(fields.at(1).toInt());
        member.group = pid_t(fields.at(2).toInt());
        member.start = fields.at(19).toULongLong();
        return member;
    }

    bool ended() const { return state == 'Z' || state == 'X'; }

    // Still this process and not yet ended.
    bool running() const
    {
        const std::optional<RunMember> now = read(pid);
        return now && now->start == start && !now->ended();
    }
};

bool carriesMark(pid_t pid, const QByteArray &entry)
{
    QFile file(QStringLiteral("/proc/%1/environ").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray environment = '\0' + file.readAll();
    return environment.contains(entry);
}

// The processes of a run that have not ended, the run's own process aside: its
// descendants while it lives, the members of its process group, and every process that
// carries its mark, wherever it moved.
QList<RunMember> runMembers(pid_t leader, const QByteArray &mark, bool leaderAlive)
{
    const QByteArray entry = '\0' + QByteArray(runMarkVariable) + '=' + mark + '\0';
    const pid_t self = ::getpid();
    QList<RunMember> all;
    QMultiHash<pid_t, qsizetype> children;
    const QStringList names = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &name : names) {
        const pid_t pid = pid_t(name.toInt());
        if (pid <= firstProcess || pid == self || pid == leader)
            continue;
        if (const std::optional<RunMember> member = RunMember::read(pid)) {
            children.insert(member->parent, all.size());
            all.append(*member);
        }
    }
    QList<bool> taken(all.size(), false);
    QList<pid_t> parents;
    if (leaderAlive)
        parents.append(leader);
    while (!parents.isEmpty()) {
        const pid_t parent = parents.takeLast();
        for (auto at = children.constFind(parent); at != children.cend() && at.key() == parent;
             ++at) {
            if (!taken.at(*at)) {
                taken[*at] = true;
                parents.append(all.at(*at).pid);
            }
        }
    }
    QList<RunMember> members;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const RunMember &member = all.at(i);
        if (member.ended())
            continue;
        if (taken.at(i) || member.group == leader ||
            (!mark.isEmpty() && carriesMark(member.pid, entry)))
            members.append(member);
    }
    return members;
}

// Freezes and kills every process of the run; returns those other than its own process.
QList<RunMember> endRun(pid_t leader, const QByteArray &mark, bool leaderAlive)
{
    if (leaderAlive)
        ::kill(leader, SIGSTOP);
    QList<RunMember> frozen;
    for (int round = 0; round < maxFreezeRounds; ++round) {
        bool grown = false;
        for (const RunMember &member : runMembers(leader, mark, leaderAlive)) {
            const bool known =
                std::any_of(frozen.cbegin(), frozen.cend(), [&member](const RunMember &seen) {
                    return seen.pid == member.pid && seen.start == member.start;
                });
            if (known)
                continue;
            ::kill(member.pid, SIGSTOP);
            frozen.append(member);
            grown = true;
        }
        if (!grown)
            break;
    }
    for (const RunMember &member : std::as_const(frozen))
        ::kill(member.pid, SIGKILL);
    ::kill(-leader, SIGKILL);
    // Before its setpgid() the process is not yet in a group of its own.
    if (leaderAlive)
        ::kill(leader, SIGKILL);
    return frozen;
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
        QFile shipped(source);
        if (!shipped.open(QIODevice::ReadOnly))
            return StageResult::Failed;
        return replaceFile(destination, shipped.readAll(), true) ? StageResult::Staged
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

// Each tool run leads its own process group and collects the orphans of its tree, and
// every process it starts carries the run's mark, so that stopping it reaches all it
// started (ffmpeg while merging, the yt-dlp behind the launcher, whatever left its session)
// and nothing else.
void prepareToolProcess(QProcess &process)
{
    static quint64 runs = 0;
    const QByteArray mark = QByteArray::number(::getpid()) + '.' + QByteArray::number(++runs);
    QProcessEnvironment environment = process.processEnvironment();
    if (environment.isEmpty())
        environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(runMarkVariable), QString::fromLatin1(mark));
    process.setProcessEnvironment(environment);
    process.setProperty(runMarkProperty, mark);
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
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

void endToolLeftovers(const QProcess &process, qint64 pid)
{
    if (pid > 0)
        endRun(pid_t(pid), process.property(runMarkProperty).toByteArray(), false);
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

Result<> makeStartable(const QString &path)
{
    QFile installer(QFileInfo(path).absoluteFilePath());
    if (installer.setPermissions(installer.permissions() | QFile::ExeOwner))
        return {};
    return fail(QStringLiteral("Cannot make %1 executable: %2").arg(path, installer.errorString()));
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

QStringList browsersWithProfiles(const QStringList &browsers)
{
    // The cookie files in each browser's standard places, by the tool's name for it.
    static const QHash<QString, QStringList> places = {
        {QStringLiteral("firefox"),
         {QStringLiteral(".mozilla/firefox/*/cookies.sqlite"),
          QStringLiteral("snap/firefox/common/.mozilla/firefox/*/cookies.sqlite")}},
        {QStringLiteral("chromium"),
         {QStringLiteral(".config/chromium/*/Cookies"),
          QStringLiteral(".config/chromium/*/Network/Cookies"),
          QStringLiteral("snap/chromium/common/chromium/*/Cookies")}},
        {QStringLiteral("chrome"),
         {QStringLiteral(".config/google-chrome/*/Cookies"),
          QStringLiteral(".config/google-chrome/*/Network/Cookies")}},
        {QStringLiteral("brave"),
         {QStringLiteral(".config/BraveSoftware/Brave-Browser/*/Cookies"),
          QStringLiteral(".config/BraveSoftware/Brave-Browser/*/Network/Cookies")}},
        {QStringLiteral("edge"),
         {QStringLiteral(".config/microsoft-edge/*/Cookies"),
          QStringLiteral(".config/microsoft-edge/*/Network/Cookies")}},
        {QStringLiteral("opera"),
         {QStringLiteral(".config/opera/Cookies"),
          QStringLiteral(".config/opera/Network/Cookies")}},
        {QStringLiteral("vivaldi"),
         {QStringLiteral(".config/vivaldi/*/Cookies"),
          QStringLiteral(".config/vivaldi/*/Network/Cookies")}},
    };
    const QString home = QDir::homePath();
    QStringList found;
    for (const QString &browser : browsers) {
        for (const QString &place : places.value(browser)) {
            // One level of profile folders at most, where the pattern has one.
            const qsizetype star = place.indexOf(QLatin1Char('*'));
            QStringList candidates;
            if (star < 0) {
                candidates.append(home + QLatin1Char('/') + place);
            } else {
                const QDir parent(home + QLatin1Char('/') + place.left(star));
                const QString rest = place.mid(star + 1);
                for (const QString &profile :
                     parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
                    candidates.append(parent.filePath(profile) + rest);
            }
            if (std::any_of(candidates.cbegin(), candidates.cend(),
                            [](const QString &file) { return QFileInfo(file).isFile(); })) {
                found.append(browser);
                break;
            }
        }
    }
    return found;
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

// How a stop finds and ends what a run started. The run's own process is made a child
// subreaper, so that while it lives every orphan of its tree is handed to it rather than
// to the first process, whatever session or group the orphan moved to; each process of the
// run also carries the run's mark in its environment, so that what outlives the run's
// process is still known as the run's. A stop freezes the whole tree with SIGSTOP, round
// after round until no new member appears (a frozen process cannot fork), then kills it.
// The run's own process is QProcess's child: only its finished() says it has gone, and
// nothing here reaps it; the others are watched until they are gone.
struct ToolStop::Private {
    ToolStop *owner = nullptr;
    QPointer<QProcess> process;
    pid_t leader = 0;
    QByteArray mark;
    QList<RunMember> members;
    QDeadlineTimer deadline;
    QTimer timeout;
    QTimer poll;
    bool leaderEnded = false;
    bool done = false;
    bool stopped = false;
    bool reported = false;

    void begin();
    void check();
    void finish(bool ok);
    void report();
};

void ToolStop::Private::begin()
{
    leader = pid_t(process->processId());
    members = endRun(leader, mark, true);
}

void ToolStop::Private::check()
{
    // A QProcess that lost its connections still says when it has reaped its child.
    if (!process || process->state() == QProcess::NotRunning)
        leaderEnded = true;
    if (done || !leaderEnded)
        return;
    // Killed, a member that is nobody's child any more stays a zombie until the first
    // process reaps it: it has ended all the same.
    members.removeIf([](const RunMember &member) { return !member.running(); });
    if (members.isEmpty())
        finish(true);
}

void ToolStop::Private::finish(bool ok)
{
    if (done)
        return;
    done = true;
    stopped = ok;
    timeout.stop();
    poll.stop();
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
    if (process)
        d.mark = process->property(runMarkProperty).toByteArray();
    d.deadline.setRemainingTime(timeoutMs);
    d.timeout.setSingleShot(true);
    connect(&d.timeout, &QTimer::timeout, this, [this] { inner->finish(false); });
    d.timeout.start(timeoutMs);
    // Killed processes that are not this one's children give no sign when they have gone.
    connect(&d.poll, &QTimer::timeout, this, [this] { inner->check(); });
    d.poll.start(stopPollMs);

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

ToolStop::~ToolStop() = default;

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
        if (!d.done)
            ::poll(nullptr, 0, qMin(remainingMs, stopPollMs));
    }
    d.report();
    return d.stopped;
}

bool ToolStop::isFinished() const
{
    return inner->done;
}

} // namespace Platform
