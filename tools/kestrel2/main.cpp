// The downloader as Clipmoor ships it on Linux. "kestrel2 --update" keeps a managed
// yt-dlp and Deno current in the data folder; every other call runs the managed yt-dlp
// (else the one on PATH) in place of this process, with the same arguments.
#include "tools/kestrel2/infocache.h"
#include "tools/kestrel2/launch.h"
#include "tools/kestrel2/managedfolder.h"
#include "tools/kestrel2/toolupdate.h"

#include <QCoreApplication>
#include <QFile>
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
    if (const QString failure = folder.create(); !failure.isEmpty())
        return error(failure, failed);
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

// The runs the program makes for one video, which one extraction can serve.
enum class RunKind { Metadata, Listing, Download, Other };

RunKind classify(const QByteArrayList &arguments)
{
    if (arguments.isEmpty() || arguments.last().startsWith('-'))
        return RunKind::Other;
    const QByteArrayList options = arguments.mid(0, arguments.size() - 1);
    if (options == QByteArrayList{"--get-title", "--get-duration", "--no-warnings"})
        return RunKind::Metadata;
    if (options == QByteArrayList{"--list-formats", "--no-warnings"})
        return RunKind::Listing;
    if (options.contains("--format"))
        return RunKind::Download;
    return RunKind::Other;
}

// Serves the run through the info cache when it can; returns false to run it plainly.
bool runCached(RunKind kind, const QString &ytDlp, const QByteArrayList &adapted, int &exitCode)
{
    const InfoCache cache(Launch::fileKey(ytDlp));
    if (!cache.prepare())
        return false;
    const QByteArray target = adapted.last();
    const QByteArrayList options = adapted.mid(0, adapted.size() - 1);
    switch (kind) {
    case RunKind::Metadata: {
        QByteArray info;
        exitCode = Launch::runPrintingInfo(ytDlp, options, target, info, InfoCache::maxEntryBytes);
        // An info that cannot be kept leaves the run as it went.
        if (exitCode == 0)
            cache.store(target, info);
        return true;
    }
    case RunKind::Listing: {
        const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
        if (entry.isEmpty())
            return false;
        exitCode = Launch::exec(
            ytDlp, options + QByteArrayList{Launch::loadInfoJson, QFile::encodeName(entry)});
        return true;
    }
    case RunKind::Download: {
        const QString entry = cache.fresh(target, InfoCache::downloadMaxAgeS);
        if (entry.isEmpty())
            return false;
        exitCode = Launch::downloadFromCache(
            ytDlp, options + QByteArrayList{Launch::loadInfoJson, QFile::encodeName(entry)},
            adapted, entry);
        return true;
    }
    case RunKind::Other:
        break;
    }
    return false;
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
    const RunKind kind = classify(arguments);
    const bool adapts = kind != RunKind::Other || !deno.isEmpty() ||
                        arguments.contains(Launch::progressDelta) ||
                        std::any_of(arguments.begin(), arguments.end(), [](const QByteArray &a) {
                            return a.startsWith(QByteArray(Launch::progressDelta) + '=');
                        });
    if (!adapts)
        return Launch::exec(ytDlp, arguments);
    const QByteArrayList known = Launch::knownOptions(ytDlp);
    const QByteArrayList adapted = Launch::adaptArguments(arguments, known, deno);
    int exitCode = 0;
    if (kind != RunKind::Other && known.contains(Launch::printToFile) &&
        known.contains(Launch::loadInfoJson) && runCached(kind, ytDlp, adapted, exitCode))
        return exitCode;
    return Launch::exec(ytDlp, adapted);
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
