// The downloader as Clipmoor ships it on Linux. "kestrel2 --update" keeps a managed
// yt-dlp and Deno current in the data folder; every other call runs the managed yt-dlp
// (else the one on PATH) in place of this process, with the same arguments.
#include "tools/kestrel2/launch.h"
#include "tools/kestrel2/managedfolder.h"
#include "tools/kestrel2/toolupdate.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int failed = 1;
constexpr int misused = 2;
constexpr int notFound = 127;
constexpr int firstInstallWaitMs = 2 * 60 * 1000;
constexpr int otherUpdateWaitMs = 10 * 60 * 1000;
constexpr int defaultStallMs = 30000;

int error(const QString &text, int code)
{
    std::fprintf(stderr, "ERROR: %s\n", qPrintable(text));
    return code;
}

int update(const ManagedFolder &folder)
{
    const ReleaseSource source = ReleaseSource::fromEnvironment();
    if (source.fetchingOff()) {
        if (QFileInfo(folder.ytDlp()).isExecutable())
            return 0;
        return error(QStringLiteral("fetching is turned off (CLIPMOOR_TOOL_RELEASES=none) and "
                                    "there is no managed yt-dlp in %1")
                         .arg(folder.path()),
                     failed);
    }
    if (!folder.create())
        return error(QStringLiteral("cannot create %1").arg(folder.path()), failed);
    // A second update waits for the first, then finds the tools current.
    FolderLock lock(folder.lockFile());
    if (!lock.acquire(otherUpdateWaitMs))
        return error(QStringLiteral("another update of %1 is still running").arg(folder.path()),
                     failed);
    folder.removeLeftovers();

    ToolUpdate::Limits limits;
    bool numeric = false;
    const int stallMs = qEnvironmentVariableIntValue("CLIPMOOR_TOOL_STALL_MS", &numeric);
    limits.stallMs = numeric && stallMs > 0 ? stallMs : defaultStallMs;
    const QStringList failures = ToolUpdate(folder, source, limits).run();
    if (!failures.isEmpty())
        return error(failures.join(QStringLiteral("; ")), failed);
    // Learn what the new build knows now rather than at the next download.
    Launch::knownOptions(folder.ytDlp());
    return 0;
}

int run(const ManagedFolder &folder, const QByteArrayList &arguments)
{
    // The very first installation may be under way (the program's first start).
    if (!QFileInfo(folder.ytDlp()).isExecutable() &&
        !ReleaseSource::fromEnvironment().fetchingOff() && QFileInfo::exists(folder.lockFile())) {
        FolderLock lock(folder.lockFile());
        lock.acquire(firstInstallWaitMs);
    }

    QString ytDlp = folder.ytDlp();
    if (!QFileInfo(ytDlp).isExecutable()) {
        ytDlp = QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
        if (ytDlp.isEmpty())
            return error(QStringLiteral("yt-dlp was not found on PATH"), notFound);
    }
    const QString deno = QFileInfo(folder.deno()).isExecutable() ? folder.deno() : QString();
    const bool adapts = !deno.isEmpty() || arguments.contains(Launch::progressDelta) ||
                        std::any_of(arguments.begin(), arguments.end(), [](const QByteArray &a) {
                            return a.startsWith(QByteArray(Launch::progressDelta) + '=');
                        });
    const QByteArrayList known = adapts ? Launch::knownOptions(ytDlp) : QByteArrayList();
    return Launch::exec(ytDlp, adapts ? Launch::adaptArguments(arguments, known, deno) : arguments);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));

    const ManagedFolder folder;
    if (Launch::asksForUpdate(arguments)) {
        if (arguments.size() != 1)
            return error(QStringLiteral("kestrel2 updates its tools only with --update alone"),
                         misused);
        return update(folder);
    }
    return run(folder, arguments);
}
