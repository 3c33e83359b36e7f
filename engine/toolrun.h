#pragma once

#include "toolruns/toolfailure.h"
#include "toolruns/toolruns.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QObject;
class QProcess;
namespace Platform {
class ToolStop;
}

// One run of the downloader tool: its process and what the engine knows about it.
class ToolRun {
public:
    enum class Stop { None, User, Silent };

    // Standard output kept of a metadata or format-list run; more stops the run.
    static constexpr qsizetype maxOutputBytes = 4 * 1024 * 1024;

    // The process is owner's child, so that it goes with owner at the latest.
    ToolRun(ToolRuns::Kind kind, QObject *owner);
    ~ToolRun();
    ToolRun(const ToolRun &) = delete;
    ToolRun &operator=(const ToolRun &) = delete;

    // Takes standard error read so far and remembers its last "ERROR:" line and the
    // recovery steps the launcher told of; a tool that ended in a Python traceback instead
    // names its failure in the traceback's last line. Returns the steps new in data.
    QList<ToolFailure::Note> takeStandardError(const QByteArray &data, bool final);
    // Keeps standard output; false once it has grown past maxOutputBytes.
    bool keepStandardOutput(const QByteArray &data);
    // Notes the files a download run names as it writes them.
    void takeDownloadOutput(const QByteArray &data);
    // Removes what the download run left half-written inside its folder, each name once:
    // a later run of the same video may write the same names again.
    void removePartialFiles();
    // The file a finished download wrote last (the merged one, if any); empty when none.
    QString savedFile() const;

    const ToolRuns::Kind kind; // Other: the tool's self-update
    QProcess *const process;
    bool preparing = false; // a metadata run started before the user asked: it reports nothing
    Stop stop = Stop::None;
    Platform::ToolStop *stopper = nullptr; // while the run and what it started are stopped
    bool queued = false;                   // waits for stopped runs to be gone
    bool exited = false;                   // the process has ended, maybe not yet reported
    bool normalExit = true;
    bool overflowed = false;
    bool systemTool = false; // the launcher went on with the yt-dlp on PATH
    qint64 pid = 0;          // also the run's process group
    QString lastError;
    QList<ToolFailure::Note> steps; // what the launcher tried, in order
    QByteArray output;
    QStringList written;   // files named in "Destination" and "Merging" lines
    QStringList subtitles; // subtitle files the run wrote before the video
    QString folder;        // where a download writes

private:
    QByteArray errorTail; // an incomplete last line of standard error
    QString tracebackEnd; // the last line of the last traceback so far
    bool inTraceback = false;
    QByteArray outputTail; // an incomplete last line of a download's standard output
};
