#include "engine/clipmoor.h"

#include "app/logtag.h"
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/address.h"
#include "engine/downloadprogress.h"
#include "engine/formatparser.h"
#include "engine/metadataparser.h"
#include "platform/platform.h"
#include "toolruns/toolruns.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaEnum>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

QString toolFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString toolProgram()
{
    return QStringLiteral("%1/%2").arg(toolFolder(), Platform::toolFileName());
}

// The browser the user lends the tool cookies from; empty for none or for a stored name
// that is not offered.
QString cookiesBrowser(const SessionData *session)
{
    const QString stored = session->settings->value(QLatin1String(cookiesBrowserKey)).toString();
    return ToolRuns::cookieBrowsers().contains(stored) ? stored : QString();
}

// The user's choices for a download: the menu's from the settings, the format page's from
// the video.
ToolRuns::DownloadChoice downloadChoice(const SessionData *session, bool mp3)
{
    ToolRuns::DownloadChoice choice;
    const VideoInfo &video = session->video;
    choice.embed = session->settings->value(QLatin1String(embedKey), false).toBool();
    const QString language = session->settings->value(QLatin1String(subtitlesKey)).toString();
    for (const SubtitleLanguage &offered : video.subtitles) {
        if (offered.code == language) {
            choice.subtitles = offered.code;
            choice.automaticSubtitles = offered.automatic;
        }
    }
    if (video.part)
        choice.part = ToolRuns::Section{video.part->first, video.part->second};
    choice.mp3 = mp3;
    return choice;
}

// The first line the tool printed, when it is an address.
QUrl thumbnailAddress(const QByteArray &output)
{
    const QUrl address =
        QUrl::fromEncoded(output.left(output.indexOf('\n')).trimmed(), QUrl::StrictMode);
    return address.isValid() && !address.host().isEmpty() ? address : QUrl();
}

template <typename Enum> const char *enumName(Enum value)
{
    return QMetaEnum::fromType<Enum>().valueToKey(value);
}

void logCrash(const QString &tag, QProcess *process, bool withState)
{
    if (withState) {
        qCritical() << tag << "!!! ERROR:" << process->errorString() << "["
                    << enumName(process->state()) << enumName(process->error()) << "]";
    } else {
        qCritical() << tag << "!!! ERROR:" << process->errorString();
    }
}

} // namespace

Clipmoor::Clipmoor(SessionData *session_, QObject *parent)
    : QObject(parent)
    , session(session_)
{
    connect(this, &Clipmoor::haveMetadata, this, &Clipmoor::requestFormats);
    connect(this, &Clipmoor::haveFormats, this, &Clipmoor::requestThumbnail);
    connect(&queue, &RunQueue::finished, this, &Clipmoor::runFinished);
    connect(&queue, &RunQueue::notStarted, this, &Clipmoor::runNotStarted);
    connect(&queue, &RunQueue::dropped, this, &Clipmoor::runDropped);
    // Closing the program leaves no tool running behind it.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &Clipmoor::stopBeforeExit);
}

Clipmoor::~Clipmoor() = default;

ToolRun *Clipmoor::createRun(ToolRuns::Kind kind, const QStringList &arguments)
{
    ToolRun *run = queue.create(kind);
    QProcess *process = run->process;
    connect(process, &QProcess::readyReadStandardError, this,
            [this, run] { takeRunErrors(run, false); });
    if (kind != ToolRuns::Kind::Download && kind != ToolRuns::Kind::Other) {
        connect(process, &QProcess::readyReadStandardOutput, this,
                [this, run] { takeRunOutput(run); });
    }
    process->setArguments(arguments);
    process->setWorkingDirectory(toolFolder());
    process->setProgram(toolProgram());
    Platform::prepareToolProcess(*process);
    return run;
}

// No event loop runs any more: each stop is waited for here, and no run reports.
void Clipmoor::stopBeforeExit()
{
    stopTool(true);
    for (ToolRun *run : queue.waitForStops()) {
        // A stopped download cannot be resumed: its partial files go now.
        if (run->kind == ToolRuns::Kind::Download) {
            run->takeDownloadOutput(run->process->readAllStandardOutput());
            run->removePartialFiles();
        }
    }
}

void Clipmoor::takeRunOutput(ToolRun *run)
{
    if (run->overflowed) {
        run->process->readAllStandardOutput();
        return;
    }
    if (run->keepStandardOutput(run->process->readAllStandardOutput()))
        return;
    // Endless output: the run is stopped and reported as failed.
    qCritical() << CLM_TAG << "!!! ERROR:" << outputLimitText();
    run->output.clear();
    queue.stop(run);
}

void Clipmoor::takeRunErrors(ToolRun *run, bool final)
{
    const bool toldBefore = run->systemTool;
    const QList<ToolFailure::Note> told =
        run->takeStandardError(run->process->readAllStandardError(), final);
    // A preparing run stays quiet; the run the user asks for tells it. A step told as the
    // run ends is logged only.
    const bool quiet = run->preparing;
    for (const ToolFailure::Note &note : told) {
        qInfo().noquote() << "Recovering:" << ToolFailure::noteLine(note);
        if (!quiet && !final)
            emit recovering(note);
    }
    if (run->systemTool && !toldBefore && !quiet)
        emit systemToolUsed();
}

QString Clipmoor::outputLimitText() const
{
    return QStringLiteral("ERROR: The tool printed more than %1 MiB; it was stopped.")
        .arg(ToolRun::maxOutputBytes / (1024 * 1024));
}

bool Clipmoor::prepare(const Address &address)
{
    // Without the launcher's info cache the run would be an extraction of its own.
    if (address.target().isEmpty() || !Platform::toolKeepsExtractedInfo()) {
        stopPreparing();
        return false;
    }
    const QStringList arguments =
        ToolRuns::metadataArguments(address.target(), cookiesBrowser(session));
    for (ToolRun *run : queue.runs()) {
        if (run->preparing && run->stop == ToolRun::Stop::None &&
            run->process->arguments() == arguments)
            return true;
    }
    stopPreparing();
    qDebug().noquote() << "-->" << CLM_TAG << address.target();
    ToolRun *run = createRun(ToolRuns::Kind::Metadata, arguments);
    run->preparing = true;
    queue.start(run);
    return true;
}

void Clipmoor::stopPreparing()
{
    for (ToolRun *run : queue.runs()) {
        if (run->preparing)
            stopQuietly(run);
    }
}

void Clipmoor::requestMetadata(const Address &address)
{
    VideoInfo &video = session->video;
    video.url = address.url();
    qDebug().noquote() << "-->" << CLM_TAG << video.url.toString();

    // The languages and the part chosen belong to the video before.
    video.subtitles.clear();
    video.part.reset();
    if (address.target().isEmpty()) {
        stopPreparing();
        // Another site's address, or one whose ID is not an ID, is never handed to the tool.
        qWarning() << "WARNING: Not a YouTube URL";
        video.toolTarget.clear();
        const Failure failure{
            MetadataTooFewLines, QStringLiteral("ERROR: Not a YouTube video address"), {}};
        QMetaObject::invokeMethod(
            this, [this, failure] { emit somethingWrong(failure); }, Qt::QueuedConnection);
        return;
    }
    if (address.problem() == Address::NoId)
        qWarning() << "WARNING: No ID found";
    else
        video.url = address.canonical();
    video.toolTarget = address.target();

    const QStringList arguments =
        ToolRuns::metadataArguments(video.toolTarget, cookiesBrowser(session));
    // A preparing run of this very run goes on: the launcher answers this one from it.
    for (ToolRun *run : queue.runs()) {
        if (run->preparing && run->process->arguments() != arguments)
            stopQuietly(run);
    }
    queue.start(createRun(ToolRuns::Kind::Metadata, arguments));
}

void Clipmoor::requestFormats()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    queue.start(
        createRun(ToolRuns::Kind::Listing,
                  ToolRuns::listingArguments(session->video.toolTarget, cookiesBrowser(session))));
}

void Clipmoor::requestThumbnail()
{
    session->video.thumbnail.clear();
    // Where the tool keeps no extracted info, asking it would extract the video again.
    if (!Platform::toolKeepsExtractedInfo())
        return;
    queue.start(createRun(
        ToolRuns::Kind::Thumbnail,
        ToolRuns::thumbnailArguments(session->video.toolTarget, cookiesBrowser(session))));
}

void Clipmoor::requestSubtitles()
{
    session->video.subtitles.clear();
    queue.start(createRun(
        ToolRuns::Kind::Subtitles,
        ToolRuns::subtitlesArguments(session->video.toolTarget, cookiesBrowser(session))));
}

void Clipmoor::requestVideo(uint formatCode)
{
    qDebug().noquote() << "-->" << CLM_TAG << "ID:" << formatCode;
    startDownload(formatCode, false);
}

void Clipmoor::requestAudio()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    startDownload(std::nullopt, false);
}

void Clipmoor::requestMp3()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    startDownload(std::nullopt, true);
}

void Clipmoor::startDownload(std::optional<uint> formatCode, bool mp3)
{
    VideoInfo &video = session->video;
    video.formatCode = formatCode.value_or(0);
    video.savedFile.clear();
    QString unusable;
    video.folder = downloadFolder(*session->settings, &unusable);

    const QString browser = cookiesBrowser(session);
    const ToolRuns::DownloadChoice choice = downloadChoice(session, mp3);
    const QStringList arguments =
        formatCode ? ToolRuns::downloadArguments(*formatCode, toolFolder(), video.folder,
                                                 video.toolTarget, browser, choice)
                   : ToolRuns::audioDownloadArguments(toolFolder(), video.folder, video.toolTarget,
                                                      browser, choice);
    ToolRun *run = createRun(ToolRuns::Kind::Download, arguments);
    run->folder = video.folder;
    // A folder the tool would take for another is its working directory, named as ".".
    if (!ToolRuns::toolTakesFolderLiterally(video.folder))
        run->process->setWorkingDirectory(video.folder);
    auto progress = std::make_shared<DownloadProgress>(video.listedSizes);
    connect(run->process, &QProcess::readyReadStandardOutput, this, [this, run, progress] {
        const QByteArray data = run->process->readAllStandardOutput();
        run->takeDownloadOutput(data);
        const bool changed = progress->take(QString::fromUtf8(data));
        if (const std::optional<int> value = progress->chunkPercent())
            emit percent(*value);
        if (changed)
            emit progressDetails(progress->reading());
    });

    // Whatever still runs (a format listing, an earlier download) makes way first.
    stopTool(true);
    queue.start(run);
    if (!unusable.isEmpty())
        emit downloadFolderUnusable(unusable, video.folder);
}

bool Clipmoor::isDownloading() const
{
    const QList<ToolRun *> runs = queue.runs();
    return std::any_of(runs.cbegin(), runs.cend(), [this](const ToolRun *run) {
        return run->kind == ToolRuns::Kind::Download && run->stop == ToolRun::Stop::None &&
               queue.isActive(run);
    });
}

void Clipmoor::updateBinary(bool detached)
{
    qDebug().noquote() << "-->" << CLM_TAG << "detached:" << (detached ? "true" : "false");
    if (!detached) {
        queue.start(createRun(ToolRuns::Kind::Other, {QStringLiteral("--update")}));
        return;
    }
    // The detached run waits for stops under way, which might otherwise meet it starting.
    queue.startWhenClear([this] { startDetachedUpdate(); });
}

void Clipmoor::startDetachedUpdate()
{
    QProcess process;
    process.setProgram(toolProgram());
    process.setArguments({QStringLiteral("--update")});
    process.setWorkingDirectory(toolFolder());
    if (!process.startDetached())
        qWarning() << "WARNING: Cannot start" << process.program();
}

void Clipmoor::stopUpdate()
{
    for (ToolRun *run : queue.runs()) {
        if (run->kind != ToolRuns::Kind::Other || !queue.isActive(run))
            continue;
        run->stop = ToolRun::Stop::User;
        queue.stop(run);
    }
}

// Returns at once; each stopped run reports, and a stopped download's partial files go,
// once the run and everything it started have ended.
void Clipmoor::stopTool(bool silent)
{
    for (ToolRun *run : queue.runs()) {
        if (run->stop != ToolRun::Stop::User && queue.isActive(run))
            run->stop = silent ? ToolRun::Stop::Silent : ToolRun::Stop::User;
        queue.stop(run);
    }
}

void Clipmoor::stopQuietly(ToolRun *run)
{
    if (run->stop == ToolRun::Stop::None && queue.isActive(run))
        run->stop = ToolRun::Stop::Silent;
    queue.stop(run);
}

// A run that never started ends as a stopped one reports.
void Clipmoor::runDropped(ToolRun *run)
{
    const ToolRuns::Kind kind = run->kind;
    const bool reported = run->stop == ToolRun::Stop::User && !run->preparing;
    queue.forget(run);
    if (kind == ToolRuns::Kind::Other && !reported)
        emit resultUpdateBinary(QProcess::CrashExit);
    else if (reported && kind == ToolRuns::Kind::Metadata)
        emit somethingWrong(Failure{MetadataStopped, {}, {}});
    else if (reported && kind == ToolRuns::Kind::Listing)
        emit somethingWrong(Failure{FormatsStopped, {}, {}});
    else if (reported && kind == ToolRuns::Kind::Download)
        emit somethingWrong(Failure{VideoStopped, {}, {}});
}

void Clipmoor::runNotStarted(ToolRun *run)
{
    qCritical() << CLM_TAG << "!!! ERROR:" << run->process->errorString()
                << run->process->program();
    const ToolRuns::Kind kind = run->kind;
    const bool quiet =
        run->preparing || kind == ToolRuns::Kind::Thumbnail || kind == ToolRuns::Kind::Subtitles;
    queue.forget(run);
    if (quiet)
        return;
    if (kind == ToolRuns::Kind::Other)
        emit resultUpdateBinary(QProcess::CrashExit);
    else
        emit somethingWrong(Failure{ToolNotStarted, {}, {}});
}

void Clipmoor::runFinished(ToolRun *run, QProcess::ExitStatus status)
{
    const bool normal = status == QProcess::NormalExit;
    switch (run->kind) {
    case ToolRuns::Kind::Metadata:
        if (run->preparing)
            finishPreparing(run, normal);
        else
            finishMetadata(run, normal);
        return;
    case ToolRuns::Kind::Listing:
        finishListing(run, normal);
        return;
    case ToolRuns::Kind::Thumbnail:
        finishThumbnail(run, normal);
        return;
    case ToolRuns::Kind::Subtitles:
        finishSubtitles(run, normal);
        return;
    case ToolRuns::Kind::Download:
        finishDownload(run, normal);
        return;
    case ToolRuns::Kind::Other:
        finishUpdate(run, normal);
        return;
    }
}

// Reports a stop the user asked for, or a crash; true when the run ended as asked and its
// result is still wanted.
bool Clipmoor::endedAsAsked(ToolRun::Stop stop, bool normal, errorType stopped, errorType crashed)
{
    if (stop == ToolRun::Stop::User)
        emit somethingWrong(Failure{stopped, {}, {}});
    else if (stop == ToolRun::Stop::None && !normal)
        emit somethingWrong(Failure{crashed, {}, {}});
    return stop == ToolRun::Stop::None && normal;
}

// The run answered, about the video the user works on now.
bool Clipmoor::answersThisVideo(const ToolRun *run, bool normal) const
{
    return run->stop == ToolRun::Stop::None && normal && !run->overflowed &&
           run->process->exitCode() == 0 &&
           run->process->arguments().last() == session->video.toolTarget;
}

void Clipmoor::finishPreparing(ToolRun *run, bool normal)
{
    // Whatever came of it is the launcher's to keep; the user has not asked yet.
    QProcess *process = run->process;
    qDebug().noquote() << "-->" << CLM_TAG << "Prepared:" << process->arguments().last()
                       << (run->stop == ToolRun::Stop::None && normal ? process->exitCode() : -1);
    queue.forget(run);
}

// Takes what the run printed and told; reports a stop the user asked for, endless output
// or a crash, and gives the reading only when the run ended as asked.
std::optional<Clipmoor::Reading> Clipmoor::finishReading(ToolRun *run, bool normal,
                                                         const ReadingEnds &ends)
{
    takeRunOutput(run);
    takeRunErrors(run, true);
    const ToolRun::Stop stop = run->stop;
    const bool overflowed = run->overflowed;
    if (stop == ToolRun::Stop::None && !overflowed && !normal)
        logCrash(CLM_TAG, run->process, true);
    Reading reading{std::exchange(run->output, {}), run->process->exitCode(), run->lastError,
                    run->steps};
    queue.forget(run);
    if (stop == ToolRun::Stop::None && overflowed) {
        emit somethingWrong(Failure{ends.endless, outputLimitText(), {}});
        return std::nullopt;
    }
    if (!endedAsAsked(stop, normal, ends.stopped, ends.crashed))
        return std::nullopt;
    return reading;
}

void Clipmoor::finishMetadata(ToolRun *run, bool normal)
{
    qDebug().noquote() << "-->" << CLM_TAG
                       << "Metadata request::finished for :" << run->process->arguments();
    const std::optional<Reading> reading =
        finishReading(run, normal, {MetadataStopped, MetadataTooFewLines, MetadataCrashed});
    if (reading)
        requestMetadataFinished(*reading);
}

void Clipmoor::finishListing(ToolRun *run, bool normal)
{
    qDebug().noquote() << "-->" << CLM_TAG << "Formats request::finished";
    const std::optional<Reading> reading =
        finishReading(run, normal, {FormatsStopped, FormatsFailed, FormatsCrashed});
    if (reading)
        requestFormatsFinished(*reading);
}

void Clipmoor::finishThumbnail(ToolRun *run, bool normal)
{
    takeRunOutput(run);
    const QUrl address = answersThisVideo(run, normal) ? thumbnailAddress(run->output) : QUrl();
    // One run at a time asks the info kept from the extraction.
    const bool next = run->stop == ToolRun::Stop::None &&
                      run->process->arguments().last() == session->video.toolTarget;
    queue.forget(run);
    // No thumbnail leaves the page as it was: nothing to report.
    if (!address.isEmpty()) {
        session->video.thumbnail = address;
        emit haveThumbnail(address);
    }
    if (next)
        requestSubtitles();
}

void Clipmoor::finishSubtitles(ToolRun *run, bool normal)
{
    takeRunOutput(run);
    const bool answered = answersThisVideo(run, normal);
    if (answered)
        session->video.subtitles = parseSubtitleLanguages(run->output);
    queue.forget(run);
    if (answered)
        emit haveSubtitles(session->video.subtitles);
}

void Clipmoor::finishDownload(ToolRun *run, bool normal)
{
    qDebug().noquote() << "-->" << CLM_TAG << "Video request::finished";
    takeRunErrors(run, true);
    QProcess *process = run->process;
    const ToolRun::Stop stop = run->stop;
    const bool failed = normal && process->exitCode() != 0;
    if (stop == ToolRun::Stop::None && !normal)
        logCrash(CLM_TAG, process, true);
    if (stop == ToolRun::Stop::None && failed) {
        qCritical() << CLM_TAG << "!!! ERROR: exit code" << process->exitCode() << run->lastError;
    }
    const Failure told{VideoFailed, run->lastError, run->steps};
    // The last lines may name the file the download ended with.
    run->takeDownloadOutput(process->readAllStandardOutput());
    if (stop != ToolRun::Stop::None || !normal || failed)
        run->removePartialFiles();
    else
        session->video.savedFile = run->savedFile();
    queue.forget(run);
    if (!endedAsAsked(stop, normal, VideoStopped, VideoCrashed))
        return;
    if (failed)
        emit somethingWrong(told);
    else
        emit haveVideo(session->video);
}

void Clipmoor::finishUpdate(ToolRun *run, bool normal)
{
    qDebug().noquote() << "-->" << CLM_TAG << "updateBinary::finished";
    const ToolRun::Stop stop = run->stop;
    QProcess *process = run->process;
    const bool succeeded = normal && process->exitCode() == 0;
    // The user who cancelled it has moved on.
    if (stop != ToolRun::Stop::User && !normal)
        logCrash(CLM_TAG, process, false);
    else if (stop != ToolRun::Stop::User && !succeeded)
        qCritical() << CLM_TAG << "!!! ERROR: exit code" << process->exitCode();
    queue.forget(run);
    if (stop != ToolRun::Stop::User)
        emit resultUpdateBinary(succeeded ? QProcess::NormalExit : QProcess::CrashExit);
}

void Clipmoor::requestMetadataFinished(const Reading &reading)
{
    qDebug().noquote() << "-->" << CLM_TAG;
    const Metadata metadata = parseMetadata(QString::fromUtf8(reading.output));
    switch (metadata.status) {
    case Metadata::TooFewLines:
        qCritical() << CLM_TAG << "!!! ERROR: Not enough valid lines in the input";
        emit somethingWrong(Failure{MetadataTooFewLines, reading.toolLine, reading.steps});
        return;
    case Metadata::BadDuration:
        qCritical() << CLM_TAG << "!!! ERROR: Invalid duration format";
        emit somethingWrong(Failure{MetadataBadDuration, reading.toolLine, reading.steps});
        return;
    case Metadata::Ok:
        break;
    }
    session->video.duration = metadata.duration;
    session->video.title = metadata.title;
    emit haveMetadata(session->video);
}

void Clipmoor::requestFormatsFinished(const Reading &reading)
{
    qDebug().noquote() << "-->" << CLM_TAG;
    FormatList list = parseFormatList(QString::fromUtf8(reading.output));
    // A listing that failed and offers nothing is an error, not an empty table.
    if (list.viewOrder.isEmpty() && reading.exitCode != 0) {
        qCritical() << CLM_TAG << "!!! ERROR: exit code" << reading.exitCode << reading.toolLine;
        emit somethingWrong(Failure{FormatsFailed, reading.toolLine, reading.steps});
        return;
    }
    VideoInfo &video = session->video;
    video.formats = std::move(list.formats);
    video.viewOrder = std::move(list.viewOrder);
    video.listedSizes = std::move(list.sizes);
    video.audioOnly = list.audioOnly;

    qInfo().noquote() << "--- VIEW ORDER ---";
    for (const uint code : std::as_const(video.viewOrder)) {
        const FormatRecord &record = video.formats[code];
        qInfo().noquote() << record.code << record.resolution << record.size;
    }
    emit haveFormats(video);
}
