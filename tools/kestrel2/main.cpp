// The downloader as Clipmoor ships it on Linux. "kestrel2 --update" keeps a managed
// yt-dlp and Deno current in the data folder; every other call runs the managed yt-dlp
// (else the one on PATH) in place of this process, with the same arguments.
#include "toolruns/toolruns.h"
#include "tools/kestrel2/infocache.h"
#include "tools/kestrel2/launch.h"
#include "tools/kestrel2/managedfolder.h"
#include "tools/kestrel2/toolupdate.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int failed = 1;
constexpr int misused = 2;
constexpr int notFound = 127;
constexpr int firstInstallWaitMs = 2 * 60 * 1000;
// An update ends within its deadline; one that waits for it needs a little more.
constexpr int otherUpdateGraceMs = 30 * 1000;
// How long a metadata run waits for another run's extraction of the same video.
constexpr int joinWaitMs = 2 * 60 * 1000;

int error(const QString &text, int code)
{
    std::fprintf(stderr, "ERROR: %s\n", qPrintable(text));
    return code;
}

// A limit that the tests may shorten through the environment.
int limitMs(const char *variable, int fallback)
{
    bool numeric = false;
    const int value = qEnvironmentVariableIntValue(variable, &numeric);
    return numeric && value > 0 ? value : fallback;
}

// True while an update holds the folder's lock.
bool updateRunning(const ManagedFolder &folder)
{
    if (!QFileInfo::exists(folder.lockFile()))
        return false;
    const std::unique_ptr<QLockFile> lock = folder.updateLock();
    return !lock->tryLock(0);
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
    ToolUpdate::Limits limits;
    limits.stallMs = limitMs("CLIPMOOR_TOOL_STALL_MS", limits.stallMs);
    limits.deadlineMs = limitMs("CLIPMOOR_UPDATE_DEADLINE_MS", limits.deadlineMs);
    // A second update waits for the first, which ends within its deadline, then finds the
    // tools current.
    const std::unique_ptr<QLockFile> lock = folder.updateLock();
    if (!lock->tryLock(limits.deadlineMs + otherUpdateGraceMs))
        return error(QStringLiteral("another update of %1 is still running").arg(folder.path()),
                     failed);
    folder.removeLeftovers();

    const QStringList failures = ToolUpdate(folder, source, limits).run();
    if (!failures.isEmpty())
        return error(failures.join(QStringLiteral("; ")), failed);
    // Learn what the new build knows now rather than at the next download.
    Launch::knownOptions(folder.ytDlp());
    return 0;
}

QStringList decodedArguments(const QByteArrayList &arguments)
{
    QStringList decoded;
    for (const QByteArray &argument : arguments)
        decoded.append(QFile::decodeName(argument));
    return decoded;
}

void writeOut(const QByteArray &data)
{
    std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
    std::fflush(stdout);
}

// Prints the metadata from a fresh entry, as the tool would.
bool serveMetadata(const InfoCache &cache, const QByteArray &target, int &exitCode)
{
    const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
    const QByteArray printed = entry.isEmpty() ? QByteArray() : InfoCache::metadataOf(entry);
    if (printed.isEmpty())
        return false;
    writeOut(printed);
    exitCode = 0;
    return true;
}

// Serves the run through the info cache when it can; returns false to run it plainly.
bool runCached(ToolRuns::Kind kind, const ManagedFolder &folder, const QString &ytDlp,
               const QString &deno, const QByteArrayList &adapted, int &exitCode)
{
    // An extraction without Deno is no answer for a run with it, and the other way round;
    // the same goes for one with a browser's cookies.
    const InfoCache cache(Launch::fileKey(ytDlp) + '\n' +
                              (deno.isEmpty() ? QByteArray("no-deno") : Launch::fileKey(deno)),
                          ToolRuns::cookiesBrowserOf(decodedArguments(adapted)));
    if (!cache.prepare())
        return false;
    const QByteArray target = adapted.last();
    const QByteArrayList options = adapted.mid(0, adapted.size() - 1);
    switch (kind) {
    case ToolRuns::Kind::Metadata: {
        // What runs now may lack the Deno an update is installing: not kept.
        if (updateRunning(folder))
            return false;
        if (serveMetadata(cache, target, exitCode))
            return true;
        // A second run for a video being extracted waits for that extraction; past the
        // limit, or when it failed, this run extracts on its own.
        const std::unique_ptr<QLockFile> lock = cache.extractionLock(target);
        if (!lock->tryLock(0)) {
            const bool joined = lock->tryLock(limitMs("CLIPMOOR_JOIN_WAIT_MS", joinWaitMs));
            if (joined && serveMetadata(cache, target, exitCode))
                return true;
        }
        // The same extraction also yields the format table, so that the listing run that
        // follows starts no tool at all.
        QByteArray info;
        exitCode = Launch::runPrintingInfo(ytDlp, options, target, info, InfoCache::maxEntryBytes);
        // An info that cannot be kept leaves the run as it went.
        if (exitCode == 0)
            cache.store(target, info);
        return true;
    }
    case ToolRuns::Kind::Listing: {
        const QByteArray listing = cache.freshListing(target, InfoCache::listingMaxAgeS);
        if (!listing.isEmpty()) {
            writeOut(listing);
            exitCode = 0;
            return true;
        }
        const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
        if (entry.isEmpty())
            return false;
        exitCode = Launch::exec(
            ytDlp, options + QByteArrayList{Launch::loadInfoJson, QFile::encodeName(entry)});
        return true;
    }
    case ToolRuns::Kind::Thumbnail: {
        const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
        const QByteArray address = entry.isEmpty() ? QByteArray() : InfoCache::thumbnailOf(entry);
        if (!address.isEmpty())
            writeOut(address + '\n');
        exitCode = address.isEmpty() ? failed : 0;
        return true;
    }
    case ToolRuns::Kind::Download: {
        const QString entry = cache.fresh(target, InfoCache::downloadMaxAgeS);
        if (entry.isEmpty())
            return false;
        exitCode = Launch::downloadFromCache(
            ytDlp, options + QByteArrayList{Launch::loadInfoJson, QFile::encodeName(entry)},
            adapted, entry);
        return true;
    }
    case ToolRuns::Kind::Other:
        break;
    }
    return false;
}

int run(const ManagedFolder &folder, const QByteArrayList &arguments)
{
    // The very first installation may be under way (the program's first start).
    if (!QFileInfo(folder.ytDlp()).isExecutable() &&
        !ReleaseSource::fromEnvironment().fetchingOff() && QFileInfo::exists(folder.lockFile())) {
        const std::unique_ptr<QLockFile> lock = folder.updateLock();
        const int waitMs = limitMs("CLIPMOOR_FIRST_INSTALL_WAIT_MS", firstInstallWaitMs);
        if (!lock->tryLock(waitMs))
            std::fprintf(stderr,
                         "WARNING: the managed yt-dlp is still being installed after %g s; "
                         "going on without it\n",
                         waitMs / 1000.0);
    }

    QString ytDlp = folder.leaseYtDlp();
    if (!QFileInfo(ytDlp).isExecutable()) {
        ytDlp = QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
        if (ytDlp.isEmpty())
            return error(QStringLiteral("yt-dlp was not found on PATH"), notFound);
    }
    const QString deno = QFileInfo(folder.deno()).isExecutable() ? folder.deno() : QString();
    const ToolRuns::Kind kind = ToolRuns::classify(decodedArguments(arguments));
    const bool adapts = kind != ToolRuns::Kind::Other || !deno.isEmpty() ||
                        arguments.contains(Launch::progressDelta) ||
                        std::any_of(arguments.begin(), arguments.end(), [](const QByteArray &a) {
                            return a.startsWith(QByteArray(Launch::progressDelta) + '=');
                        });
    if (!adapts)
        return Launch::exec(ytDlp, arguments);
    const QByteArrayList known = Launch::knownOptions(ytDlp);
    const QByteArrayList adapted = Launch::adaptArguments(arguments, known, deno);
    int exitCode = 0;
    if (kind != ToolRuns::Kind::Other && known.contains(Launch::printToFile) &&
        known.contains(Launch::loadInfoJson) &&
        runCached(kind, folder, ytDlp, deno, adapted, exitCode))
        return exitCode;
    // A thumbnail comes from the info already extracted, never from asking the site again.
    if (kind == ToolRuns::Kind::Thumbnail)
        return failed;
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
