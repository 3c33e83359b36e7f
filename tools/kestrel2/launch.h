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

// Runs the yt-dlp as a child on the same output and ends as it ended (exit code or signal).
int runAndWait(const QString &ytDlp, const QByteArrayList &arguments);

// Runs the yt-dlp as a child on the same output, with the options and target, and has it
// print the video's info (one line of JSON) and its format table into a pipe this process
// reads, so that no disk can fail the run. info holds what arrived, or nothing when it was more
// than maxInfoBytes or the pipe could not be made. Ends as runAndWait does, when the child
// ends, even while a process it left behind still holds the pipe.
int runPrintingInfo(const QString &ytDlp, const QByteArrayList &options, const QByteArray &target,
                    QByteArray &info, qint64 maxInfoBytes);

// Runs a download from the cached info in entry. When the site refuses the cached media
// addresses before any progress, forgets the entry and runs the plain download in this
// process's place. Returns the exit code, or does not return.
int downloadFromCache(const QString &ytDlp, const QByteArrayList &cached,
                      const QByteArrayList &plain, const QString &entry);

} // namespace Launch
