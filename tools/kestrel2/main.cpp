// The downloader as Clipmoor ships it on Linux. "kestrel2 --update" keeps a managed
// yt-dlp and Deno current in the data folder; every other call runs the managed yt-dlp
// (else the one on PATH) in place of this process, with the same arguments.
#include "toolruns/toolfailure.h"
#include "toolruns/toolruns.h"
#include "tools/kestrel2/infocache.h"
#include "tools/kestrel2/launch.h"
#include "tools/kestrel2/managedfolder.h"
#include "tools/kestrel2/recoverymemory.h"
#include "tools/kestrel2/takelock.h"
#include "tools/kestrel2/toolupdate.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
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
    return !takeLock(*lock, 0);
}

ToolRuns::Channel channelOf(const ManagedFolder &folder)
{
    const QSettings settings(QFileInfo(folder.path()).path() + QStringLiteral("/settings.ini"),
                             QSettings::IniFormat);
    return ToolRuns::channelFrom(settings.value(QLatin1String(ToolRuns::channelKey)).toString());
}

ToolUpdate::Limits updateLimits()
{
    ToolUpdate::Limits limits;
    limits.stallMs = limitMs("CLIPMOOR_TOOL_STALL_MS", limits.stallMs);
    limits.deadlineMs = limitMs("CLIPMOOR_UPDATE_DEADLINE_MS", limits.deadlineMs);
    return limits;
}

struct Updated {
    Result<> result;   // what failed, one part per tool
    QString installed; // the version of the yt-dlp installed; empty for none
};

// Brings one yt-dlp (the stable one with Deno, or the nightly build) up to its latest
// release within deadlineMs, under the folder's lock.
Updated updateFrom(const ManagedFolder &folder, const ReleaseSource &source, bool nightly,
                   ToolUpdate::Limits limits,
                   const std::function<void(const QString &)> &fetchingNotice = nullptr)
{
    if (Result<> created = folder.create(); !created)
        return {created, QString()};
    // A second update waits for the first, which ends within its deadline, then finds the
    // tools current.
    const std::unique_ptr<QLockFile> lock = folder.updateLock();
    if (!takeLock(*lock, limits.deadlineMs + otherUpdateGraceMs))
        return {fail(QStringLiteral("another update of %1 is still running").arg(folder.path())),
                QString()};
    folder.removeLeftovers();
    ToolUpdate update(folder, source, limits);
    if (nightly)
        update.setYtDlpPath(folder.ytDlpNightly());
    update.setFetchingNotice(fetchingNotice);
    Updated result{update.run(), update.installedVersion()};
    // A nightly build made for "Automatic" gives way to a newer stable release.
    const QString nightlyVersion = installedVersionOf(folder.ytDlpNightly());
    if (!nightly && !result.installed.isEmpty() &&
        channelOf(folder) != ToolRuns::Channel::Nightly &&
        QFileInfo::exists(folder.ytDlpNightly()) &&
        (nightlyVersion.isEmpty() || !laterVersion(nightlyVersion, result.installed))) {
        QFile::remove(folder.ytDlpNightly());
        QFile::remove(folder.ytDlpNightly() + QStringLiteral(".version"));
        folder.removeUnusedBuilds();
    }
    // Learn what the new build knows now rather than at the next download.
    if (QFileInfo(nightly ? folder.ytDlpNightly() : folder.ytDlp()).isExecutable())
        Launch::knownOptions(nightly ? folder.ytDlpNightly() : folder.ytDlp());
    return result;
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
    QStringList failures = {errorText(updateFrom(folder, source, false, updateLimits()).result)};
    if (channelOf(folder) == ToolRuns::Channel::Nightly)
        failures.append(errorText(
            updateFrom(folder, ReleaseSource::nightlyFromEnvironment(), true, updateLimits())
                .result));
    failures.removeAll(QString());
    if (!failures.isEmpty())
        return error(failures.join(QStringLiteral("; ")), failed);
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
bool serveMetadata(const InfoCache &cache, const QByteArray &target, Launch::Outcome &outcome)
{
    const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
    const QByteArray printed = entry.isEmpty() ? QByteArray() : InfoCache::metadataOf(entry);
    if (printed.isEmpty())
        return false;
    writeOut(printed);
    outcome = Launch::Outcome();
    return true;
}

// Serves the run through the info cache when it can; returns false to run it plainly.
// usedEntry names the stored info a run was served from.
bool runCached(ToolRuns::Kind kind, const ManagedFolder &folder, const QString &ytDlp,
               const QString &deno, const QByteArrayList &adapted, Launch::Outcome &outcome,
               QString &usedEntry)
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
        if (serveMetadata(cache, target, outcome))
            return true;
        // A second run for a video being extracted waits for that extraction; past the
        // limit, or when it failed, this run extracts on its own.
        const std::unique_ptr<QLockFile> lock = cache.extractionLock(target);
        if (!takeLock(*lock, 0)) {
            const bool joined = takeLock(*lock, limitMs("CLIPMOOR_JOIN_WAIT_MS", joinWaitMs));
            if (joined && serveMetadata(cache, target, outcome))
                return true;
        }
        // The same extraction also yields the format table, so that the listing run that
        // follows starts no tool at all.
        QByteArray info;
        outcome = Launch::runPrintingInfo(ytDlp, options, target, info, InfoCache::maxEntryBytes);
        // An info that cannot be kept leaves the run as it went.
        if (outcome.ok())
            cache.store(target, info);
        return true;
    }
    case ToolRuns::Kind::Listing: {
        const QByteArray listing = cache.freshListing(target, InfoCache::listingMaxAgeS);
        if (!listing.isEmpty()) {
            writeOut(listing);
            outcome = Launch::Outcome();
            return true;
        }
        const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
        if (entry.isEmpty())
            return false;
        usedEntry = entry;
        outcome = Launch::runWatched(
            ytDlp, options + QByteArrayList{Launch::loadInfoJson, QFile::encodeName(entry)});
        return true;
    }
    case ToolRuns::Kind::Thumbnail: {
        const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
        const QByteArray address = entry.isEmpty() ? QByteArray() : InfoCache::thumbnailOf(entry);
        if (!address.isEmpty())
            writeOut(address + '\n');
        outcome = Launch::Outcome();
        outcome.exitCode = address.isEmpty() ? failed : 0;
        return true;
    }
    case ToolRuns::Kind::Subtitles: {
        const QString entry = cache.fresh(target, InfoCache::listingMaxAgeS);
        if (entry.isEmpty())
            return false;
        writeOut(ToolRuns::subtitlesOutput(InfoCache::infoOf(entry)));
        outcome = Launch::Outcome();
        return true;
    }
    case ToolRuns::Kind::Download: {
        const QString entry =
            cache.fresh(target, InfoCache::downloadMaxAgeS, InfoCache::Use::Download);
        if (entry.isEmpty())
            return false;
        usedEntry = entry;
        outcome = Launch::runWatched(
            ytDlp, options + QByteArrayList{Launch::loadInfoJson, QFile::encodeName(entry)});
        return true;
    }
    case ToolRuns::Kind::Other:
        break;
    }
    return false;
}

void tell(ToolFailure::Step step, const QString &detail = QString())
{
    std::fprintf(stderr, "%s\n", ToolFailure::noteLine({step, detail}).constData());
    std::fflush(stderr);
}

// A run for a video, retried after the failures that the launcher can mend by itself:
// stored info that the site no longer honours is asked for afresh, and a yt-dlp that no
// longer follows the site is replaced by a newer release (or, for "Automatic", by the
// nightly build). Each step is taken at most once; an update also only once per video
// over the runs that follow for a while. None starts after the update's deadline; the
// engine learns of each through a line on standard error.
class Recovery {
public:
    Recovery(const ManagedFolder &folder_, const QByteArrayList &arguments_, ToolRuns::Kind kind_)
        : folder(folder_)
        , arguments(arguments_)
        , kind(kind_)
        , channel(channelOf(folder_))
        , memory(arguments_.isEmpty() ? QByteArray() : arguments_.last())
    {
    }

    int run()
    {
        bool nightly =
            channel != ToolRuns::Channel::Stable && QFileInfo(folder.ytDlpNightly()).isExecutable();
        for (;;) {
            const Launch::Outcome outcome = attempt(nightly);
            // A run that was stopped, crashed or never started is not tried again.
            if (outcome.ok() || !outcome.started || !outcome.normalExit ||
                kind == ToolRuns::Kind::Thumbnail || kind == ToolRuns::Kind::Subtitles)
                return Launch::endAs(outcome);
            const ToolFailure::Class failure = ToolFailure::classify(outcome.lastError);
            const bool fromStoredInfo = !usedEntry.isEmpty();
            // Each stored info is asked for afresh once; an info stored later is another.
            if (fromStoredInfo && ToolFailure::freshExtractionHelps(failure) && !triedFresh &&
                withinDeadline()) {
                triedFresh = true;
                tell(ToolFailure::Step::FreshExtraction);
                QFile::remove(usedEntry);
                storedInfo = false;
                continue;
            }
            if (!ToolFailure::newerToolHelps(failure, fromStoredInfo) ||
                ReleaseSource::fromEnvironment().fetchingOff())
                return Launch::endAs(outcome);
            if (!memory.has(RecoveryMemory::Update) && withinDeadline()) {
                tell(ToolFailure::Step::LookingForUpdate);
                const bool ofNightly = channel == ToolRuns::Channel::Nightly;
                const Updated updated =
                    updateFrom(folder,
                               ofNightly ? ReleaseSource::nightlyFromEnvironment()
                                         : ReleaseSource::fromEnvironment(),
                               ofNightly, remainingLimits(), [](const QString &version) {
                                   tell(ToolFailure::Step::Updating, version);
                               });
                // A stopped update is no step taken: the launcher ends before this.
                memory.add(RecoveryMemory::Update);
                const QString managed = ofNightly ? folder.ytDlpNightly() : folder.ytDlp();
                // Another update (the one at the program's start) may have just replaced
                // the build that failed.
                const bool replaced = updated.installed.isEmpty() && updated.result &&
                                      QFileInfo(managed).isExecutable() &&
                                      Launch::fileKey(folder.leaseYtDlp(managed)) != ranKey;
                if (!updated.installed.isEmpty() || replaced) {
                    tell(ToolFailure::Step::Updated,
                         replaced ? installedVersionOf(managed) : updated.installed);
                    nightly = ofNightly;
                    continue;
                }
                tell(ToolFailure::Step::NoUpdate, errorText(updated.result));
                if (!ofNightly && updated.result)
                    memory.add(RecoveryMemory::NoNewerStable);
            }
            if (channel == ToolRuns::Channel::Automatic &&
                memory.has(RecoveryMemory::NoNewerStable) && !memory.has(RecoveryMemory::Nightly) &&
                withinDeadline()) {
                tell(ToolFailure::Step::Nightly);
                const Updated updated = updateFrom(folder, ReleaseSource::nightlyFromEnvironment(),
                                                   true, remainingLimits());
                memory.add(RecoveryMemory::Nightly);
                if (!updated.installed.isEmpty()) {
                    tell(ToolFailure::Step::Nightly, updated.installed);
                    nightly = true;
                    continue;
                }
                tell(ToolFailure::Step::NoNightly, updated.result
                                                       ? QStringLiteral("it is the one in use")
                                                       : updated.result.error());
            }
            return Launch::endAs(outcome);
        }
    }

private:
    Launch::Outcome attempt(bool nightly)
    {
        usedEntry.clear();
        const QString managed = nightly ? folder.ytDlpNightly() : folder.ytDlp();
        QString ytDlp = folder.leaseYtDlp(managed);
        if (!QFileInfo(ytDlp).isExecutable()) {
            ytDlp = QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
            if (ytDlp.isEmpty()) {
                Launch::Outcome missing;
                missing.started = false;
                missing.exitCode = error(QStringLiteral("yt-dlp was not found on PATH"), notFound);
                return missing;
            }
        }
        const QString deno = QFileInfo(folder.deno()).isExecutable() ? folder.deno() : QString();
        ranKey = Launch::fileKey(ytDlp);
        const QByteArrayList known = Launch::knownOptions(ytDlp);
        const QByteArrayList adapted = Launch::adaptArguments(arguments, known, deno);
        Launch::Outcome outcome;
        if (storedInfo && known.contains(Launch::printToFile) &&
            known.contains(Launch::loadInfoJson) &&
            runCached(kind, folder, ytDlp, deno, adapted, outcome, usedEntry))
            return outcome;
        // A thumbnail and the subtitles on offer come from the info already extracted, never
        // from asking the site again.
        if (kind == ToolRuns::Kind::Thumbnail || kind == ToolRuns::Kind::Subtitles) {
            outcome.exitCode = failed;
            return outcome;
        }
        return Launch::runWatched(ytDlp, adapted);
    }

    bool withinDeadline()
    {
        if (deadline.isForever())
            deadline.setRemainingTime(updateLimits().deadlineMs);
        return !deadline.hasExpired();
    }

    ToolUpdate::Limits remainingLimits() const
    {
        ToolUpdate::Limits limits = updateLimits();
        limits.deadlineMs = int(qMax<qint64>(1, deadline.remainingTime()));
        return limits;
    }

    const ManagedFolder &folder;
    const QByteArrayList arguments;
    const ToolRuns::Kind kind;
    const ToolRuns::Channel channel;
    QDeadlineTimer deadline{QDeadlineTimer::Forever}; // of the whole ladder, from its first step
    QString usedEntry;
    QByteArray ranKey;     // of the yt-dlp the last attempt ran
    RecoveryMemory memory; // the updates already tried for this video
    bool storedInfo = true;
    bool triedFresh = false;
};

int run(const ManagedFolder &folder, const QByteArrayList &arguments)
{
    // The very first installation may be under way (the program's first start).
    if (!QFileInfo(folder.ytDlp()).isExecutable() &&
        !ReleaseSource::fromEnvironment().fetchingOff() && QFileInfo::exists(folder.lockFile())) {
        const std::unique_ptr<QLockFile> lock = folder.updateLock();
        const int waitMs = limitMs("CLIPMOOR_FIRST_INSTALL_WAIT_MS", firstInstallWaitMs);
        if (!takeLock(*lock, waitMs))
            std::fprintf(stderr, "%s %g s; going on without it\n", ToolRuns::systemToolNotice,
                         waitMs / 1000.0);
    }

    const ToolRuns::Kind kind = ToolRuns::classify(decodedArguments(arguments));
    if (kind != ToolRuns::Kind::Other)
        return Recovery(folder, arguments, kind).run();

    QString ytDlp = folder.leaseYtDlp();
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
    if (!adapts)
        return Launch::exec(ytDlp, arguments);
    return Launch::exec(ytDlp,
                        Launch::adaptArguments(arguments, Launch::knownOptions(ytDlp), deno));
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
