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
#include <thread>
#include <unistd.h>

namespace {
constexpr int helpTimeoutMs = 60000;
constexpr int cannotExecute = 126;

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

// Which of the probed options the yt-dlp's --help names.
Result<QByteArrayList> probe(const QString &ytDlp)
{
    QProcess help;
    help.start(ytDlp, {QStringLiteral("--help")});
    if (!help.waitForFinished(helpTimeoutMs) || help.exitStatus() != QProcess::NormalExit ||
        help.exitCode() != 0)
        return fail(QStringLiteral("%1 --help failed").arg(ytDlp));
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    QByteArrayList known;
    for (const char *option : probedOptions) {
        const QRegularExpression line(QStringLiteral("(^|\\s)%1(\\s|=|,|$)")
                                          .arg(QRegularExpression::escape(QLatin1String(option))),
                                      QRegularExpression::MultilineOption);
        if (line.match(text).hasMatch())
            known.append(option);
    }
    return known;
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
    const Result<QByteArrayList> known = probe(ytDlp);
    if (!known)
        return {};
    // Without the cache the next run asks again.
    QDir().mkpath(QFileInfo(cache).path());
    (void)Platform::replaceFile(cache.fileName(), key + '\n' + known->join('\n') + '\n');
    return *known;
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

Outcome runWatched(const QString &ytDlp, const QByteArrayList &arguments)
{
    static const QRegularExpression progress(QStringLiteral("\\[download\\]\\s+[0-9.]+%"));
    QProcess child;
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    Outcome outcome;
    QByteArray outSoFar;
    QByteArray errorTail;
    const auto takeErrors = [&](const QByteArray &chunk, bool final) {
        writeOut(STDERR_FILENO, chunk);
        errorTail += chunk;
        qsizetype end;
        while ((end = errorTail.indexOf('\n')) >= 0 || (final && !errorTail.isEmpty())) {
            const QString line =
                QString::fromUtf8(end >= 0 ? errorTail.left(end) : errorTail).trimmed();
            errorTail.remove(0, end >= 0 ? end + 1 : errorTail.size());
            if (line.startsWith(QLatin1String("ERROR:")))
                outcome.lastError = line;
        }
        // A line without end must not fill the memory.
        if (errorTail.size() > keptErrorBytes)
            errorTail.clear();
    };
    const auto takeOutput = [&](const QByteArray &chunk) {
        writeOut(STDOUT_FILENO, chunk);
        if (outcome.progressed)
            return;
        outSoFar += chunk;
        outcome.progressed = progress.match(QString::fromUtf8(outSoFar)).hasMatch();
        outSoFar = outSoFar.right(keptErrorBytes);
    };
    QObject::connect(&child, &QProcess::readyReadStandardOutput,
                     [&] { takeOutput(child.readAllStandardOutput()); });
    QObject::connect(&child, &QProcess::readyReadStandardError,
                     [&] { takeErrors(child.readAllStandardError(), false); });
    if (!startChild(child, ytDlp, arguments)) {
        outcome.started = false;
        outcome.exitCode = cannotExecute;
        return outcome;
    }
    while (child.state() != QProcess::NotRunning)
        child.waitForFinished(-1);
    // Events may still hold the last output.
    QCoreApplication::processEvents();
    takeOutput(child.readAllStandardOutput());
    takeErrors(child.readAllStandardError(), true);
    outcome.normalExit = child.exitStatus() == QProcess::NormalExit;
    outcome.exitCode = child.exitCode();
    return outcome;
}

int endAs(const Outcome &outcome)
{
    if (!outcome.started || outcome.normalExit)
        return outcome.exitCode;
    std::fflush(nullptr);
    std::signal(outcome.exitCode, SIG_DFL);
    std::raise(outcome.exitCode);
    return 128 + outcome.exitCode;
}

Outcome runPrintingInfo(const QString &ytDlp, const QByteArrayList &options,
                        const QByteArray &target, QByteArray &info, qint64 maxInfoBytes)
{
    info.clear();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return runWatched(ytDlp, options + QByteArrayList{target});
    const int readEnd = fds[0];
    const int writeEnd = fds[1];
    // The child reaches the pipe by name; the write end alone is left open across exec.
    const QByteArray file = "/dev/fd/" + QByteArray::number(writeEnd);
    struct stat status {};
    if (::fcntl(writeEnd, F_SETFD, 0) != 0 || ::stat(file.constData(), &status) != 0 ||
        !S_ISFIFO(status.st_mode)) {
        ::close(readEnd);
        ::close(writeEnd);
        return runWatched(ytDlp, options + QByteArrayList{target});
    }
    // The child's end is the run's end, even while something it left behind still holds
    // the pipe: once it has ended, what it wrote is read and the reading stops. An info
    // over the limit is read and dropped, so that the child never waits on a full pipe.
    // Read beside the child's outputs, which are watched here.
    int ended[2];
    if (::pipe2(ended, O_CLOEXEC) != 0) {
        ::close(readEnd);
        ::close(writeEnd);
        return runWatched(ytDlp, options + QByteArrayList{target});
    }
    bool tooLarge = false;
    std::thread reader([&] {
        char buffer[64 * 1024];
        bool draining = false;
        for (;;) {
            if (!draining) {
                pollfd wake[2] = {{readEnd, POLLIN, 0}, {ended[0], POLLIN, 0}};
                if (::poll(wake, 2, -1) < 0) {
                    if (errno == EINTR)
                        continue;
                    break;
                }
                if (!(wake[0].revents & (POLLIN | POLLHUP | POLLERR))) {
                    draining = true;
                    ::fcntl(readEnd, F_SETFL, ::fcntl(readEnd, F_GETFL) | O_NONBLOCK);
                    continue;
                }
            }
            const ssize_t got = ::read(readEnd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            tooLarge = tooLarge || info.size() + got > maxInfoBytes;
            if (!tooLarge)
                info.append(buffer, got);
        }
    });
    const Outcome outcome =
        runWatched(ytDlp, options + QByteArrayList{printToFile, "%()j", file, printToFile,
                                                   "formats_table", file, target});
    ::close(writeEnd);
    ::close(ended[1]);
    reader.join();
    ::close(ended[0]);
    ::close(readEnd);
    if (tooLarge || !outcome.started)
        info.clear();
    return outcome;
}

} // namespace Launch
