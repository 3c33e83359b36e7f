#pragma once

#include "app/videoinfo.h"
#include "engine/progressdetails.h"
#include "engine/runqueue.h"

#include <QList>
#include <QObject>
#include <QProcess>
#include <QUrl>

#include <optional>

class Address;
struct SessionData;

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
    static constexpr int defaultStopTimeoutMs = RunQueue::defaultStopTimeoutMs;

    // What went wrong with a run, in the tool's words where it said something.
    struct Failure {
        errorType code = ToolNotStarted;
        QString toolLine; // the tool's last "ERROR:" line, or the engine's own; maybe empty
        QList<ToolFailure::Note> steps; // what the launcher tried to recover it, in order
    };

    // Works on session's video and reads the user's choices from its settings; session must
    // outlive the engine.
    explicit Clipmoor(SessionData *session, QObject *parent = nullptr);
    ~Clipmoor() override;

    void requestMetadata(const Address &address);
    // Starts the metadata run for an address the user has not asked for yet, so that the
    // launcher has the video's info at hand when asked; quiet, and at most one: it takes the
    // place of an earlier one. False when the address is none to prepare.
    bool prepare(const Address &address);
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
    void setStopTimeout(int ms) { queue.setStopTimeout(ms); }
    // True while a download run is under way.
    bool isDownloading() const;

signals:
    // The video's title and duration are known.
    void haveMetadata(const VideoInfo &video);
    // The video's formats are known.
    void haveFormats(const VideoInfo &video);
    // The download has ended well; video.savedFile names the file, when known.
    void haveVideo(const VideoInfo &video);
    // The percentage of each progress line, of whichever part the tool downloads.
    void percent(int);
    // The download as a whole: all parts together, its percentage never falling.
    void progressDetails(const ProgressDetails &details);
    void somethingWrong(const Clipmoor::Failure &failure);
    void haveThumbnail(const QUrl &address);
    // The languages the video's subtitles come in, maybe none.
    void haveSubtitles(const QList<SubtitleLanguage> &languages);
    // The chosen download folder was passed over for the default one, used.
    void downloadFolderUnusable(const QString &chosen, const QString &used);
    void resultUpdateBinary(QProcess::ExitStatus);
    // A run goes on with the system's yt-dlp, for the managed one is still being installed.
    void systemToolUsed();
    // The launcher takes a step to recover a failed run by itself.
    void recovering(const ToolFailure::Note &note);

private:
    // What a run asked for its output left once it ended as asked.
    struct Reading {
        QByteArray output;
        int exitCode = 0;
        QString toolLine;
        QList<ToolFailure::Note> steps;
    };
    // What is reported when such a run was stopped, printed without end or crashed.
    struct ReadingEnds {
        errorType stopped;
        errorType endless;
        errorType crashed;
    };

    void requestMetadataFinished(const Reading &reading);
    void requestFormatsFinished(const Reading &reading);
    void requestThumbnail();
    void requestSubtitles();
    void startDownload(std::optional<uint> formatCode, bool mp3);
    ToolRun *createRun(ToolRuns::Kind kind, const QStringList &arguments);
    void stopQuietly(ToolRun *run);
    void stopBeforeExit();
    void startDetachedUpdate();

    // One finisher for each kind of run.
    void runFinished(ToolRun *run, QProcess::ExitStatus status);
    void finishPreparing(ToolRun *run, bool normal);
    void finishMetadata(ToolRun *run, bool normal);
    void finishListing(ToolRun *run, bool normal);
    void finishThumbnail(ToolRun *run, bool normal);
    void finishSubtitles(ToolRun *run, bool normal);
    void finishDownload(ToolRun *run, bool normal);
    void finishUpdate(ToolRun *run, bool normal);
    // What they share.
    std::optional<Reading> finishReading(ToolRun *run, bool normal, const ReadingEnds &ends);
    bool endedAsAsked(ToolRun::Stop stop, bool normal, errorType stopped, errorType crashed);
    bool answersThisVideo(const ToolRun *run, bool normal) const;
    void runDropped(ToolRun *run);
    void runNotStarted(ToolRun *run);

    void takeRunOutput(ToolRun *run);
    void takeRunErrors(ToolRun *run, bool final);
    QString outputLimitText() const;

    SessionData *session;
    RunQueue queue;
};

Q_DECLARE_METATYPE(Clipmoor::Failure)
