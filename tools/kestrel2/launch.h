#pragma once

#include <QByteArrayList>
#include <QString>

// Runs the chosen yt-dlp in place of the launcher, with the arguments it was given,
// adapted to what that yt-dlp knows.
namespace Launch {

// Options that the launcher adds or drops, depending on the yt-dlp's own --help.
inline constexpr char progressDelta[] = "--progress-delta";
inline constexpr char jsRuntimes[] = "--js-runtimes";
// Options the info cache needs.
inline constexpr char printToFile[] = "--print-to-file";
inline constexpr char loadInfoJson[] = "--load-info-json";

// Drops --progress-delta (and its value) when unknown; adds the managed Deno as the
// JavaScript runtime when there is one and the option is known.
QByteArrayList adaptArguments(const QByteArrayList &given, const QByteArrayList &known,
                              const QString &deno);

// Which of the options above this yt-dlp knows, remembered per yt-dlp file.
QByteArrayList knownOptions(const QString &ytDlp);

// Changes whenever the file is replaced or rewritten.
QByteArray fileKey(const QString &path);

// True when the arguments ask for a self-update of any form.
bool asksForUpdate(const QByteArrayList &arguments);

// Never returns on success; returns the exit code after writing an "ERROR:" line.
int exec(const QString &ytDlp, const QByteArrayList &arguments);

// How a run of the yt-dlp as a child ended, and what its outputs told.
struct Outcome {
    bool started = true;
    bool normalExit = true;
    int exitCode = 0;        // the signal after a crash
    QString lastError;       // its last "ERROR:" line
    bool progressed = false; // it printed download progress
    bool ok() const { return started && normalExit && exitCode == 0; }
};

// Runs the yt-dlp as a child on the same outputs, which are watched on the way.
Outcome runWatched(const QString &ytDlp, const QByteArrayList &arguments);

// The exit code to end with as the run ended; raises the signal a crashed run died of.
int endAs(const Outcome &outcome);

// Runs the yt-dlp as runWatched does, with the options and target, and has it print the
// video's info (one line of JSON) and its format table into a pipe this process reads, so
// that no disk can fail the run. info holds what arrived, or nothing when it was more than
// maxInfoBytes or the pipe could not be made. Ends when the child ends, even while a
// process it left behind still holds the pipe.
Outcome runPrintingInfo(const QString &ytDlp, const QByteArrayList &options,
                        const QByteArray &target, QByteArray &info, qint64 maxInfoBytes);

} // namespace Launch
