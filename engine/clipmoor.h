#pragma once

#include <QList>
#include <QObject>

#include <QProcess>
#include <memory>
#include <optional>
#include <vector>

struct SessionData;
#include "engine/progressdetails.h"
#include "engine/toolrun.h"

// The download engine: runs the downloader tool for metadata, the format list, the
// download itself and the tool's self-update, and reports what came of each run.
class Clipmoor : public QObject {
    Q_OBJECT

public:
    enum errorType {
        MetadataTooFewLines = 69,
        MetadataBadDuration = 70,
        MetadataStopped = 71,
        MetadataCrashed = 72,
        FormatsStopped = 73,
        FormatsCrashed = 74,
        VideoStopped = 85,
        VideoCrashed = 86,
        FormatCount = 101,
        ToolNotStarted = 102,
        VideoFailed = 103,
        FormatsFailed = 104,
    };

    // How long a stopped run and what it started get to end before the stop is given up.
    static constexpr int defaultStopTimeoutMs = 30000;

    explicit Clipmoor(QObject *parent = nullptr);
    ~Clipmoor() override;

    static Clipmoor &instance();

    bool setUrl(const QString &text);
    void requestMetadata();
    // Starts the metadata run for an address the user has not asked for yet, so that the
    // launcher has the video's info at hand when asked; quiet, and at most one: it takes the
    // place of an earlier one. False when the address is none to prepare.
    bool prepare(const QString &text);
    void stopPreparing();
    void requestFormats();
    void requestVideo(uint formatCode);
    // Downloads the sound alone.
    void requestAudio();
    // Downloads the sound alone, converted to MP3.
    void requestMp3();
    void updateBinary(bool detached);
    // Stops the attached self-update, which then reports nothing.
    void stopUpdate();
    void stopTool(bool silent);
    void setStopTimeout(int ms) { stopTimeoutMs = ms; }
    // True while a download run is under way.
    bool isDownloading() const;
    // What the launcher tried to recover the run that failed last, in order.
    QList<ToolFailure::Note> recoverySteps() const { return lastSteps; }

signals:
    void haveMetadata();
    void haveFormats();
    void haveVideo();
    // The percentage of each progress line, of whichever part the tool downloads.
    void percent(int);
    // The download as a whole: all parts together, its percentage never falling.
    void progressDetails(const ProgressDetails &details);
    void somethingWrong(Clipmoor::errorType);
    // The address of the video's thumbnail is in video.thumbnail.
    void haveThumbnail();
    // video.subtitles holds the languages on offer, maybe none.
    void haveSubtitles();
    // The chosen download folder was passed over for the default one.
    void downloadFolderUnusable(const QString &chosen);
    void resultUpdateBinary(QProcess::ExitStatus);
    // A run goes on with the system's yt-dlp, for the managed one is still being installed.
    void systemToolUsed();
    // The launcher takes a step to recover a failed run by itself.
    void recovering(const ToolFailure::Note &note);

private slots:
    void requestMetadataFinished();
    void requestFormatsFinished();

private:
    // A new run, owned by the engine until forgetRun().
    void requestThumbnail();
    void requestSubtitles();
    void startDownload(std::optional<uint> formatCode, bool mp3);
    ToolRun *createRun(ToolRun::Kind kind, const QStringList &arguments);
    QList<ToolRun *> handles() const;
    bool owns(const ToolRun *run) const;
    void startRun(ToolRun *run);
    void startQueuedRuns();
    bool anyStopping() const;
    void stopRun(ToolRun *run);
    void stopQuietly(ToolRun *run);
    void stopQueuedOrRunning(ToolRun *run);
    bool isRunning(const ToolRun *run) const;
    void stopEnded(ToolRun *run, bool stopped);
    void stopBeforeExit();
    void dropQueuedRun(ToolRun *run);
    void startDetachedUpdate();
    void runFinished(ToolRun *run, QProcess::ExitStatus status);
    void runNotStarted(ToolRun *run);
    void forgetRun(ToolRun *run);
    void takeRunOutput(ToolRun *run);
    void takeRunErrors(ToolRun *run, bool final);
    QString outputLimitText() const;

    SessionData *sharedData;
    std::vector<std::unique_ptr<ToolRun>> runs; // made and not yet finished
    int listingExitCode = 0;                    // of the format-list run being parsed
    bool detachedUpdateQueued = false;
    int stopTimeoutMs = defaultStopTimeoutMs;
    QList<ToolFailure::Note> lastSteps;
};
