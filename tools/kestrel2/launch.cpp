#include "tools/kestrel2/launch.h"

#include "app/identity.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr int helpTimeoutMs = 60000;
constexpr int cannotExecute = 126;
// Where the system cannot tell when a child ends, how often that is asked.
constexpr int childPollMs = 50;

QString optionsCache()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/%1/%2/kestrel2-options")
               .arg(QLatin1String(Identity::organization), QLatin1String(Identity::name));
}

constexpr const char *probedOptions[] = {Launch::progressDelta, Launch::jsRuntimes,
                                         Launch::printToFile, Launch::loadInfoJson};
constexpr qsizetype keptErrorBytes = 64 * 1024;

// The cache entry also depends on which options were asked about.
QByteArray probeKey(const QString &ytDlp)
{
    QByteArray key = Launch::fileKey(ytDlp);
    for (const char *option : probedOptions)
        key += ' ' + QByteArray(option);
    return key;
}

// Ends this process the way the child ended.
int endAsChild(const QProcess &child)
{
    if (child.exitStatus() == QProcess::NormalExit)
        return child.exitCode();
    const int signal = child.exitCode();
    std::fflush(nullptr);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return 128 + signal;
}

void writeOut(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += written;
    }
}

// Empty answer and false when the yt-dlp could not tell.
bool probe(const QString &ytDlp, QByteArrayList &known)
{
    QProcess help;
    help.start(ytDlp, {QStringLiteral("--help")});
    if (!help.waitForFinished(helpTimeoutMs) || help.exitStatus() != QProcess::NormalExit ||
        help.exitCode() != 0)
        return false;
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    for (const char *option : probedOptions) {
        const QRegularExpression line(QStringLiteral("(^|\\s)%1(\\s|=|,|$)")
                                          .arg(QRegularExpression::escape(QLatin1String(option))),
                                      QRegularExpression::MultilineOption);
        if (line.match(text).hasMatch())
            known.append(option);
    }
    return true;
}
// Starts the yt-dlp as a child; false, after an "ERROR:" line, when it cannot start.
bool startChild(QProcess &child, const QString &ytDlp, const QByteArrayList &arguments)
{
    QStringList list;
    for (const QByteArray &argument : arguments)
        list.append(QFile::decodeName(argument));
    // Killed outright, Clipmoor takes the launcher with it; yt-dlp must go too.
    Platform::dieWithParent(child);
    child.start(ytDlp, list);
    if (child.waitForStarted(-1))
        return true;
    std::fprintf(stderr, "ERROR: cannot run %s: %s\n", qPrintable(ytDlp),
                 qPrintable(child.errorString()));
    return false;
}

} // namespace

namespace Launch {

QByteArrayList adaptArguments(const QByteArrayList &given, const QByteArrayList &known,
                              const QString &deno)
{
    QByteArrayList passed;
    if (!deno.isEmpty() && known.contains(jsRuntimes))
        passed << QByteArray(jsRuntimes) << "deno:" + QFile::encodeName(deno);
    const bool dropDelta = !known.contains(progressDelta);
    const QByteArray deltaWithValue = QByteArray(progressDelta) + '=';
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QByteArray &argument = given.at(i);
        if (dropDelta && argument == progressDelta) {
            ++i; // its value
            continue;
        }
        if (dropDelta && argument.startsWith(deltaWithValue))
            continue;
        passed.append(argument);
    }
    return passed;
}

QByteArray fileKey(const QString &path)
{
    const QFileInfo info(path);
    return QFile::encodeName(info.canonicalFilePath()) + ' ' + QByteArray::number(info.size()) +
           ' ' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
}

QByteArrayList knownOptions(const QString &ytDlp)
{
    const QByteArray key = probeKey(ytDlp);
    QFile cache(optionsCache());
    // A link there is replaced below, never read or written through.
    if (!QFileInfo(cache).isSymLink() && cache.open(QIODevice::ReadOnly)) {
        QByteArrayList lines = cache.readAll().split('\n');
        if (!lines.isEmpty() && lines.takeFirst() == key) {
            lines.removeAll(QByteArray());
            return lines;
        }
        cache.close();
    }
    QByteArrayList known;
    if (!probe(ytDlp, known))
        return known;
    // Without the cache the next run asks again.
    QDir().mkpath(QFileInfo(cache).path());
    Platform::replaceFile(cache.fileName(), key + '\n' + known.join('\n') + '\n');
    return known;
}

bool asksForUpdate(const QByteArrayList &arguments)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "-U" || argument == "--update" || argument.startsWith("--update-to"))
            return true;
    }
    return false;
}

int exec(const QString &ytDlp, const QByteArrayList &arguments)
{
    const QByteArray program = QFile::encodeName(ytDlp);
    QList<char *> argv;
    argv.append(const_cast<char *>(program.constData()));
    for (const QByteArray &argument : arguments)
        argv.append(const_cast<char *>(argument.constData()));
    argv.append(nullptr);
    std::fflush(nullptr);
    ::execv(program.constData(), argv.data());
    std::fprintf(stderr, "ERROR: cannot run %s: %s\n", program.constData(), std::strerror(errno));
    return cannotExecute;
}

int runAndWait(const QString &ytDlp, const QByteArrayList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!startChild(child, ytDlp, arguments))
        return cannotExecute;
    child.waitForFinished(-1);
    return endAsChild(child);
}

int runPrintingInfo(const QString &ytDlp, const QByteArrayList &options, const QByteArray &target,
                    QByteArray &info, qint64 maxInfoBytes)
{
    info.clear();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return runAndWait(ytDlp, options + QByteArrayList{target});
    const int readEnd = fds[0];
    const int writeEnd = fds[1];
    // The child reaches the pipe by name; the write end alone is left open across exec.
    const QByteArray file = "/dev/fd/" + QByteArray::number(writeEnd);
    struct stat status {};
    if (::fcntl(writeEnd, F_SETFD, 0) != 0 || ::stat(file.constData(), &status) != 0 ||
        !S_ISFIFO(status.st_mode)) {
        ::close(readEnd);
        ::close(writeEnd);
        return runAndWait(ytDlp, options + QByteArrayList{target});
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    const bool started = startChild(child, ytDlp,
                                    options + QByteArrayList{printToFile, "%()j", file, printToFile,
                                                             "formats_table", file, target});
    ::close(writeEnd);
    if (!started) {
        ::close(readEnd);
        return cannotExecute;
    }
    // The child's end is the run's end, even while something it left behind still holds
    // the pipe; an info over the limit is read and dropped, so that the child never waits
    // on a full pipe.
    bool tooLarge = false;
    char buffer[64 * 1024];
    ::fcntl(readEnd, F_SETFL, ::fcntl(readEnd, F_GETFL) | O_NONBLOCK);
    const int childEnd = int(::syscall(SYS_pidfd_open, pid_t(child.processId()), 0));
    bool ended = false;
    for (;;) {
        const ssize_t got = ::read(readEnd, buffer, sizeof buffer);
        if (got > 0) {
            tooLarge = tooLarge || info.size() + got > maxInfoBytes;
            if (!tooLarge)
                info.append(buffer, got);
            continue;
        }
        if (got == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN || ended)
            break;
        // All the child wrote is in the pipe once it has ended: read it, then stop.
        pollfd wake[2] = {{readEnd, POLLIN, 0}, {childEnd, POLLIN, 0}};
        if (::poll(wake, childEnd >= 0 ? 2 : 1, childEnd >= 0 ? -1 : childPollMs) < 0 &&
            errno != EINTR)
            break;
        ended = childEnd >= 0 ? (wake[1].revents & POLLIN) != 0 : child.waitForFinished(0);
    }
    if (childEnd >= 0)
        ::close(childEnd);
    ::close(readEnd);
    if (tooLarge)
        info.clear();
    child.waitForFinished(-1);
    return endAsChild(child);
}

int downloadFromCache(const QString &ytDlp, const QByteArrayList &cached,
                      const QByteArrayList &plain, const QString &entry)
{
    static const QRegularExpression progress(QStringLiteral("\\[download\\]\\s+[0-9.]+%"));
    static const QRegularExpression gone(QStringLiteral("HTTP Error 4(03|10)"));
    QProcess child;
    bool progressed = false;
    QByteArray outSoFar;
    QByteArray errors;
    QObject::connect(&child, &QProcess::readyReadStandardOutput, [&] {
        const QByteArray chunk = child.readAllStandardOutput();
        writeOut(STDOUT_FILENO, chunk);
        if (progressed)
            return;
        outSoFar += chunk;
        progressed = progress.match(QString::fromUtf8(outSoFar)).hasMatch();
        outSoFar = outSoFar.right(keptErrorBytes);
    });
    QObject::connect(&child, &QProcess::readyReadStandardError, [&] {
        const QByteArray chunk = child.readAllStandardError();
        writeOut(STDERR_FILENO, chunk);
        errors = (errors + chunk).right(keptErrorBytes);
    });
    if (!startChild(child, ytDlp, cached))
        return cannotExecute;
    while (child.state() != QProcess::NotRunning)
        child.waitForFinished(-1);
    // Events may still hold the last output.
    QCoreApplication::processEvents();
    writeOut(STDOUT_FILENO, child.readAllStandardOutput());
    const QByteArray rest = child.readAllStandardError();
    writeOut(STDERR_FILENO, rest);
    errors += rest;

    const bool refused = child.exitStatus() == QProcess::NormalExit && child.exitCode() != 0 &&
                         !progressed && gone.match(QString::fromUtf8(errors)).hasMatch();
    if (refused) {
        QFile::remove(entry);
        return exec(ytDlp, plain);
    }
    return endAsChild(child);
}

} // namespace Launch
