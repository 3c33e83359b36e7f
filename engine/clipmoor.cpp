#include "engine/clipmoor.h"

#include "app/logtag.h"
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/address.h"
#include "engine/downloadprogress.h"
#include "engine/formatparser.h"
#include "engine/metadataparser.h"
#include "platform/platform.h"
#include "platform/toolstop.h"
#include "toolruns/toolruns.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaEnum>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <memory>

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

Clipmoor::Clipmoor(QObject *parent)
    : QObject(parent)
    , sharedData(sessionData())
{
    connect(this, &Clipmoor::haveMetadata, this, &Clipmoor::requestFormats);
    connect(this, &Clipmoor::haveFormats, this, &Clipmoor::requestThumbnail);
    // Closing the program leaves no tool running behind it.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &Clipmoor::stopBeforeExit);
}

Clipmoor::~Clipmoor() = default;

Clipmoor &Clipmoor::instance()
{
    static Clipmoor engine;
    return engine;
}

bool Clipmoor::setUrl(const QString &text)
{
    const std::optional<QUrl> url = Address::accept(text);
    if (!url)
        return false;
    sharedData->video.url = *url;
    return true;
}

ToolRun *Clipmoor::createRun(ToolRun::Kind kind, const QStringList &arguments)
{
    auto *run = runs.emplace_back(std::make_unique<ToolRun>(kind)).get();
    QProcess *process = run->process;
    connect(process, &QProcess::finished, this, [this, run](int, QProcess::ExitStatus status) {
        run->exited = true;
        run->normalExit = status == QProcess::NormalExit;
        // A stopped run reports once what it started has gone too.
        if (!run->stopper)
            runFinished(run, status);
    });
    // Queued, so that a tool that cannot start is reported after the request returns.
    connect(
        process, &QProcess::errorOccurred, this,
        [this, run](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                runNotStarted(run);
        },
        Qt::QueuedConnection);
    connect(process, &QProcess::started, this, [run] { run->pid = run->process->processId(); });
    connect(process, &QProcess::readyReadStandardError, this,
            [this, run] { takeRunErrors(run, false); });
    if (kind == ToolRun::Kind::Metadata || kind == ToolRun::Kind::Prepare ||
        kind == ToolRun::Kind::Formats || kind == ToolRun::Kind::Thumbnail ||
        kind == ToolRun::Kind::Subtitles) {
        connect(process, &QProcess::readyReadStandardOutput, this,
                [this, run] { takeRunOutput(run); });
    }
    process->setArguments(arguments);
    process->setWorkingDirectory(toolFolder());
    process->setProgram(toolProgram());
    Platform::prepareToolProcess(*process);
    return run;
}

QList<ToolRun *> Clipmoor::handles() const
{
    QList<ToolRun *> all;
    for (const std::unique_ptr<ToolRun> &run : runs)
        all.append(run.get());
    return all;
}

bool Clipmoor::owns(const ToolRun *run) const
{
    return std::any_of(runs.cbegin(), runs.cend(),
                       [run](const std::unique_ptr<ToolRun> &owned) { return owned.get() == run; });
}

void Clipmoor::startRun(ToolRun *run)
{
    // Stopped runs go first: their partial files may bear the names this run writes.
    if (anyStopping()) {
        run->queued = true;
        return;
    }
    run->process->start(QIODevice::ReadWrite);
}

void Clipmoor::startQueuedRuns()
{
    if (anyStopping())
        return;
    if (detachedUpdateQueued) {
        detachedUpdateQueued = false;
        startDetachedUpdate();
    }
    const QList<ToolRun *> waiting = handles();
    for (ToolRun *run : waiting) {
        if (!owns(run) || !run->queued)
            continue;
        run->queued = false;
        run->process->start(QIODevice::ReadWrite);
    }
}

bool Clipmoor::anyStopping() const
{
    return std::any_of(runs.cbegin(), runs.cend(),
                       [](const std::unique_ptr<ToolRun> &run) { return run->stopper != nullptr; });
}

void Clipmoor::stopRun(ToolRun *run)
{
    if (run->stopper)
        return;
    run->stopper = new Platform::ToolStop(run->process, stopTimeoutMs, this);
    connect(run->stopper, &Platform::ToolStop::finished, this,
            [this, run](bool stopped) { stopEnded(run, stopped); });
}

void Clipmoor::stopEnded(ToolRun *run, bool stopped)
{
    if (!stopped)
        qWarning().noquote() << "WARNING:" << Platform::stopFailureText();
    else
        run->pid = 0; // its group is gone; the ID may belong to another one now
    run->stopper->deleteLater();
    run->stopper = nullptr;
    if (run->exited)
        runFinished(run, run->normalExit ? QProcess::NormalExit : QProcess::CrashExit);
    startQueuedRuns();
}

// No event loop runs any more: each stop is waited for here, and no run reports.
void Clipmoor::stopBeforeExit()
{
    stopTool(true);
    for (ToolRun *run : handles()) {
        if (!run->stopper)
            continue;
        disconnect(run->stopper, nullptr, this, nullptr);
        if (!run->stopper->waitForFinished())
            qWarning().noquote() << "WARNING:" << Platform::stopFailureText();
        // A stopped download cannot be resumed: its partial files go now.
        if (run->kind == ToolRun::Kind::Video) {
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
    stopRun(run);
}

void Clipmoor::takeRunErrors(ToolRun *run, bool final)
{
    const bool toldBefore = run->systemTool;
    const QList<ToolFailure::Note> told =
        run->takeStandardError(run->process->readAllStandardError(), final);
    // A preparing run stays quiet; the run the user asks for tells it. A step told as the
    // run ends is logged only.
    const bool quiet = run->kind == ToolRun::Kind::Prepare;
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

void Clipmoor::forgetRun(ToolRun *run)
{
    // Whatever the run started and left behind ends with it.
    if (run->pid > 0)
        Platform::endToolLeftovers(*run->process, run->pid);
    if (run->stopper) {
        disconnect(run->stopper, nullptr, this, nullptr);
        run->stopper->deleteLater();
        QMetaObject::invokeMethod(this, &Clipmoor::startQueuedRuns, Qt::QueuedConnection);
    }
    runs.erase(
        std::remove_if(runs.begin(), runs.end(),
                       [run](const std::unique_ptr<ToolRun> &owned) { return owned.get() == run; }),
        runs.end());
}

bool Clipmoor::prepare(const QString &text)
{
    const std::optional<QUrl> url = Address::accept(text);
    const Address::Target target = url ? Address::targetFor(*url) : Address::Target();
    // Without the launcher's info cache the run would be an extraction of its own.
    if (target.target.isEmpty() || !Platform::toolKeepsExtractedInfo()) {
        stopPreparing();
        return false;
    }
    const QStringList arguments =
        ToolRuns::metadataArguments(target.target, cookiesBrowser(sharedData));
    for (ToolRun *run : handles()) {
        if (run->kind == ToolRun::Kind::Prepare && run->stop == ToolRun::Stop::None &&
            run->process->arguments() == arguments)
            return true;
    }
    stopPreparing();
    qDebug().noquote() << "-->" << CLM_TAG << target.target;
    startRun(createRun(ToolRun::Kind::Prepare, arguments));
    return true;
}

void Clipmoor::stopPreparing()
{
    for (ToolRun *run : handles()) {
        if (run->kind == ToolRun::Kind::Prepare)
            stopQuietly(run);
    }
}

void Clipmoor::requestMetadata()
{
    VideoInfo &video = sharedData->video;
    qDebug().noquote() << "-->" << CLM_TAG << video.url.toString();

    sharedData->toolError.clear();
    lastSteps.clear();
    // The languages and the part chosen belong to the video before.
    video.subtitles.clear();
    video.part.reset();
    const Address::Target target = Address::targetFor(video.url);
    if (target.target.isEmpty()) {
        stopPreparing();
        // Another site's address, or one whose ID is not an ID, is never handed to the tool.
        qWarning() << "WARNING: Not a YouTube URL";
        video.toolTarget.clear();
        sharedData->toolOutput.clear();
        sharedData->toolError = QStringLiteral("ERROR: Not a YouTube video address");
        QMetaObject::invokeMethod(
            this, [this] { emit somethingWrong(MetadataTooFewLines); }, Qt::QueuedConnection);
        return;
    }
    if (target.problem == Address::Target::NoId)
        qWarning() << "WARNING: No ID found";
    else
        video.url = target.canonical;
    video.toolTarget = target.target;

    const QStringList arguments =
        ToolRuns::metadataArguments(video.toolTarget, cookiesBrowser(sharedData));
    // A preparing run of this very run goes on: the launcher answers this one from it.
    for (ToolRun *run : handles()) {
        if (run->kind == ToolRun::Kind::Prepare && run->process->arguments() != arguments)
            stopQuietly(run);
    }
    ToolRun *run = createRun(ToolRun::Kind::Metadata, arguments);
    sharedData->toolOutput.clear();
    startRun(run);
}

void Clipmoor::requestFormats()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    ToolRun *run =
        createRun(ToolRun::Kind::Formats, ToolRuns::listingArguments(sharedData->video.toolTarget,
                                                                     cookiesBrowser(sharedData)));
    sharedData->toolOutput.clear();
    sharedData->toolError.clear();
    lastSteps.clear();
    startRun(run);
}

void Clipmoor::requestThumbnail()
{
    sharedData->video.thumbnail.clear();
    // Where the tool keeps no extracted info, asking it would extract the video again.
    if (!Platform::toolKeepsExtractedInfo())
        return;
    startRun(createRun(
        ToolRun::Kind::Thumbnail,
        ToolRuns::thumbnailArguments(sharedData->video.toolTarget, cookiesBrowser(sharedData))));
}

void Clipmoor::requestSubtitles()
{
    sharedData->video.subtitles.clear();
    startRun(createRun(
        ToolRun::Kind::Subtitles,
        ToolRuns::subtitlesArguments(sharedData->video.toolTarget, cookiesBrowser(sharedData))));
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
    VideoInfo &video = sharedData->video;
    video.formatCode = formatCode.value_or(0);
    video.savedFile.clear();
    sharedData->toolError.clear();
    lastSteps.clear();
    QString unusable;
    video.folder = downloadFolder(&unusable);

    const QString browser = cookiesBrowser(sharedData);
    const ToolRuns::DownloadChoice choice = downloadChoice(sharedData, mp3);
    const QStringList arguments =
        formatCode ? ToolRuns::downloadArguments(*formatCode, toolFolder(), video.folder,
                                                 video.toolTarget, browser, choice)
                   : ToolRuns::audioDownloadArguments(toolFolder(), video.folder, video.toolTarget,
                                                      browser, choice);
    ToolRun *run = createRun(ToolRun::Kind::Video, arguments);
    run->folder = video.folder;
    // A folder the tool would take for another is its working directory, named as ".".
    if (!ToolRuns::toolTakesFolderLiterally(video.folder))
        run->process->setWorkingDirectory(video.folder);
    auto progress = std::make_shared<DownloadProgress>(sharedData->video.listedSizes);
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
    startRun(run);
    if (!unusable.isEmpty())
        emit downloadFolderUnusable(unusable);
}

bool Clipmoor::isDownloading() const
{
    return std::any_of(runs.cbegin(), runs.cend(), [](const std::unique_ptr<ToolRun> &run) {
        return run->kind == ToolRun::Kind::Video && run->stop == ToolRun::Stop::None &&
               (run->queued || run->process->state() != QProcess::NotRunning);
    });
}

void Clipmoor::updateBinary(bool detached)
{
    qDebug().noquote() << "-->" << CLM_TAG << "detached:" << (detached ? "true" : "false");
    if (!detached) {
        startRun(createRun(ToolRun::Kind::Update, {QStringLiteral("--update")}));
        return;
    }
    // The detached run waits for stops under way, which might otherwise meet it starting.
    if (anyStopping())
        detachedUpdateQueued = true;
    else
        startDetachedUpdate();
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
    for (ToolRun *run : handles()) {
        if (run->kind != ToolRun::Kind::Update ||
            (!run->queued && run->process->state() == QProcess::NotRunning))
            continue;
        run->stop = ToolRun::Stop::User;
        if (run->queued) {
            run->queued = false;
            QMetaObject::invokeMethod(
                this, [this, run] { dropQueuedRun(run); }, Qt::QueuedConnection);
        } else {
            stopRun(run);
        }
    }
}

// Returns at once; each stopped run reports, and a stopped download's partial files go,
// once the run and everything it started have ended.
void Clipmoor::stopTool(bool silent)
{
    for (ToolRun *run : handles()) {
        if (run->stop != ToolRun::Stop::User && (run->queued || isRunning(run)))
            run->stop = silent ? ToolRun::Stop::Silent : ToolRun::Stop::User;
        stopQueuedOrRunning(run);
    }
}

void Clipmoor::stopQuietly(ToolRun *run)
{
    if (run->stop == ToolRun::Stop::None && (run->queued || isRunning(run)))
        run->stop = ToolRun::Stop::Silent;
    stopQueuedOrRunning(run);
}

bool Clipmoor::isRunning(const ToolRun *run) const
{
    return run->process->state() != QProcess::NotRunning;
}

void Clipmoor::stopQueuedOrRunning(ToolRun *run)
{
    if (!run->queued && !isRunning(run))
        return;
    if (!run->queued) {
        stopRun(run);
        return;
    }
    run->queued = false;
    QMetaObject::invokeMethod(
        this, [this, run] { dropQueuedRun(run); }, Qt::QueuedConnection);
}

// A run that never started ends as a stopped one reports.
void Clipmoor::dropQueuedRun(ToolRun *run)
{
    const ToolRun::Kind kind = run->kind;
    const bool reported = run->stop == ToolRun::Stop::User;
    forgetRun(run);
    if (kind == ToolRun::Kind::Update && !reported)
        emit resultUpdateBinary(QProcess::CrashExit);
    else if (reported && kind == ToolRun::Kind::Metadata)
        emit somethingWrong(MetadataStopped);
    else if (reported && kind == ToolRun::Kind::Formats)
        emit somethingWrong(FormatsStopped);
    else if (reported && kind == ToolRun::Kind::Video)
        emit somethingWrong(VideoStopped);
}

void Clipmoor::runNotStarted(ToolRun *run)
{
    qCritical() << CLM_TAG << "!!! ERROR:" << run->process->errorString()
                << run->process->program();
    const ToolRun::Kind kind = run->kind;
    forgetRun(run);
    if (kind == ToolRun::Kind::Thumbnail || kind == ToolRun::Kind::Prepare ||
        kind == ToolRun::Kind::Subtitles)
        return;
    if (kind == ToolRun::Kind::Update)
        emit resultUpdateBinary(QProcess::CrashExit);
    else
        emit somethingWrong(ToolNotStarted);
}

void Clipmoor::runFinished(ToolRun *run, QProcess::ExitStatus status)
{
    QProcess *process = run->process;
    const ToolRun::Stop stop = run->stop;
    const bool normal = status == QProcess::NormalExit;

    switch (run->kind) {
    case ToolRun::Kind::Metadata: {
        qDebug().noquote() << "-->" << CLM_TAG
                           << "Metadata request::finished for :" << process->arguments();
        takeRunOutput(run);
        takeRunErrors(run, true);
        const bool overflowed = run->overflowed;
        if (stop == ToolRun::Stop::None && overflowed) {
            sharedData->toolError = outputLimitText();
        } else if (stop == ToolRun::Stop::None && normal) {
            sharedData->toolOutput = QString::fromUtf8(run->output);
            sharedData->toolError = run->lastError;
            lastSteps = run->steps;
        } else if (stop == ToolRun::Stop::None) {
            logCrash(CLM_TAG, process, true);
        }
        forgetRun(run);
        if (stop == ToolRun::Stop::User)
            emit somethingWrong(MetadataStopped);
        else if (stop == ToolRun::Stop::None && overflowed)
            emit somethingWrong(MetadataTooFewLines);
        else if (stop == ToolRun::Stop::None && normal)
            requestMetadataFinished();
        else if (stop == ToolRun::Stop::None)
            emit somethingWrong(MetadataCrashed);
        break;
    }

    case ToolRun::Kind::Prepare:
        // Whatever came of it is the launcher's to keep; the user has not asked yet.
        qDebug().noquote() << "-->" << CLM_TAG << "Prepared:" << process->arguments().last()
                           << (stop == ToolRun::Stop::None && normal ? process->exitCode() : -1);
        forgetRun(run);
        break;

    case ToolRun::Kind::Formats: {
        qDebug().noquote() << "-->" << CLM_TAG << "Formats request::finished";
        takeRunOutput(run);
        takeRunErrors(run, true);
        const bool overflowed = run->overflowed;
        if (stop == ToolRun::Stop::None && overflowed) {
            sharedData->toolError = outputLimitText();
        } else if (stop == ToolRun::Stop::None && normal) {
            sharedData->toolOutput = QString::fromUtf8(run->output);
            sharedData->toolError = run->lastError;
            lastSteps = run->steps;
            listingExitCode = process->exitCode();
        } else if (stop == ToolRun::Stop::None) {
            logCrash(CLM_TAG, process, true);
        }
        forgetRun(run);
        if (stop == ToolRun::Stop::User)
            emit somethingWrong(FormatsStopped);
        else if (stop == ToolRun::Stop::None && overflowed)
            emit somethingWrong(FormatsFailed);
        else if (stop == ToolRun::Stop::None && normal)
            requestFormatsFinished();
        else if (stop == ToolRun::Stop::None)
            emit somethingWrong(FormatsCrashed);
        break;
    }

    case ToolRun::Kind::Thumbnail: {
        takeRunOutput(run);
        const bool answered = stop == ToolRun::Stop::None && normal && !run->overflowed &&
                              process->exitCode() == 0 &&
                              process->arguments().last() == sharedData->video.toolTarget;
        const QUrl address = answered ? thumbnailAddress(run->output) : QUrl();
        forgetRun(run);
        // No thumbnail leaves the page as it was: nothing to report.
        if (!address.isEmpty()) {
            sharedData->video.thumbnail = address;
            emit haveThumbnail();
        }
        // One run at a time asks the info kept from the extraction.
        if (stop == ToolRun::Stop::None &&
            process->arguments().last() == sharedData->video.toolTarget)
            requestSubtitles();
        break;
    }

    case ToolRun::Kind::Subtitles: {
        takeRunOutput(run);
        const bool answered = stop == ToolRun::Stop::None && normal && !run->overflowed &&
                              process->exitCode() == 0 &&
                              process->arguments().last() == sharedData->video.toolTarget;
        if (answered)
            sharedData->video.subtitles = parseSubtitleLanguages(run->output);
        forgetRun(run);
        if (answered)
            emit haveSubtitles();
        break;
    }

    case ToolRun::Kind::Video: {
        qDebug().noquote() << "-->" << CLM_TAG << "Video request::finished";
        takeRunErrors(run, true);
        const bool failed = normal && process->exitCode() != 0;
        if (stop == ToolRun::Stop::None && !normal)
            logCrash(CLM_TAG, process, true);
        if (stop == ToolRun::Stop::None && failed) {
            sharedData->toolError = run->lastError;
            lastSteps = run->steps;
            qCritical() << CLM_TAG << "!!! ERROR: exit code" << process->exitCode()
                        << run->lastError;
        }
        // The last lines may name the file the download ended with.
        run->takeDownloadOutput(process->readAllStandardOutput());
        if (stop != ToolRun::Stop::None || !normal || failed)
            run->removePartialFiles();
        else
            sharedData->video.savedFile = run->savedFile();
        forgetRun(run);
        if (stop == ToolRun::Stop::User)
            emit somethingWrong(VideoStopped);
        else if (stop == ToolRun::Stop::Silent)
            break;
        else if (!normal)
            emit somethingWrong(VideoCrashed);
        else if (failed)
            emit somethingWrong(VideoFailed);
        else
            emit haveVideo();
        break;
    }

    case ToolRun::Kind::Update: {
        qDebug().noquote() << "-->" << CLM_TAG << "updateBinary::finished";
        // The user who cancelled it has moved on.
        if (stop == ToolRun::Stop::User) {
            forgetRun(run);
            break;
        }
        const bool succeeded = normal && process->exitCode() == 0;
        if (!normal)
            logCrash(CLM_TAG, process, false);
        else if (!succeeded)
            qCritical() << CLM_TAG << "!!! ERROR: exit code" << process->exitCode();
        forgetRun(run);
        emit resultUpdateBinary(succeeded ? QProcess::NormalExit : QProcess::CrashExit);
        break;
    }
    }
}

void Clipmoor::requestMetadataFinished()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    const Metadata metadata = parseMetadata(sharedData->toolOutput);
    switch (metadata.status) {
    case Metadata::TooFewLines:
        qCritical() << CLM_TAG << "!!! ERROR: Not enough valid lines in the input";
        emit somethingWrong(MetadataTooFewLines);
        return;
    case Metadata::BadDuration:
        qCritical() << CLM_TAG << "!!! ERROR: Invalid duration format";
        emit somethingWrong(MetadataBadDuration);
        return;
    case Metadata::Ok:
        break;
    }
    sharedData->video.duration = metadata.duration;
    sharedData->video.title = metadata.title;
    emit haveMetadata();
}

void Clipmoor::requestFormatsFinished()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    FormatList list = parseFormatList(sharedData->toolOutput);
    // A listing that failed and offers nothing is an error, not an empty table.
    if (list.viewOrder.isEmpty() && listingExitCode != 0) {
        qCritical() << CLM_TAG << "!!! ERROR: exit code" << listingExitCode
                    << sharedData->toolError;
        listingExitCode = 0;
        emit somethingWrong(FormatsFailed);
        return;
    }
    listingExitCode = 0;
    VideoInfo &video = sharedData->video;
    video.formats = std::move(list.formats);
    video.viewOrder = std::move(list.viewOrder);
    video.listedSizes = std::move(list.sizes);
    video.audioOnly = list.audioOnly;

    qInfo().noquote() << "--- VIEW ORDER ---";
    for (const uint code : std::as_const(video.viewOrder)) {
        const FormatRecord &record = video.formats[code];
        qInfo().noquote() << record.code << record.resolution << record.size;
    }
    emit haveFormats();
}
