#pragma once

#include "app/result.h"

#include <QString>
#include <QStringList>

#include <functional>

class QProcess;

// Everything that differs between the systems Clipmoor runs on: file names of the shipped
// tools, plug-ins, releases and update manifest, how tool processes are tied to the
// program, and how an installer is handed over. One source file per system implements it.
namespace Platform {

// The downloader tool's file name ("kestrel2.exe" on Windows).
QString toolFileName();

// The files staged from the program's folder into the data folder, in staging order.
QStringList stagedToolNames();

// The name a file being written starts with until it is renamed into place; what a
// killed process left under it may be removed.
inline constexpr char partialPrefix[] = ".partial-";

// Puts the file at from in place of path in one step, on the same file system: a reader
// meets the old file or the new one, and a link at path is replaced rather than followed.
Result<> renameOver(const QString &from, const QString &path);

// Replaces the file at path with data in one step: written to a new file in the same
// folder, then renamed over path (renameOver). Not synced to disk.
Result<> replaceFile(const QString &path, const QByteArray &data, bool executable = false);

// What staging a shipped tool into the data folder did.
enum class StageResult { Kept, Staged, Failed, SourceMissing };

// Stages the shipped tool at source as destination. On Windows a copy is made once and
// then left alone, for the tool updates itself there. Elsewhere the staged launcher is
// refreshed whenever the shipped one differs (what it manages lives beside it under other
// names), and ffmpeg is a symbolic link to the shipped one.
StageResult stageTool(const QString &source, const QString &destination);

// Prepares a tool process before it is started so that it can be stopped as a whole
// (see ToolStop).
void prepareToolProcess(QProcess &process);

// Makes a process about to be started die with the one starting it, even when that one
// is killed outright (the Linux parent-death signal; nothing elsewhere).
void dieWithParent(QProcess &process);

// Makes the calling process die with parent, its parent when it asked; false when that
// parent has already gone. Safe between fork and exec.
bool endWithParent(qint64 parent);

// The warning logged when a ToolStop could not stop its processes.
QString stopFailureText();

// Ends whatever a finished run prepared by prepareToolProcess() left running, in its
// process group or not, without waiting; pid is the run's own, now ended, process.
void endToolLeftovers(const QProcess &process, qint64 pid);

// Calls quit (once per signal) when the system asks the program to end: SIGTERM,
// SIGINT and SIGHUP where those exist. Installed once; later calls change nothing.
void quitOnTerminationRequest(const std::function<void()> &quit);

// The name of the language a tag names ("pt-BR"), in the language displayTag names
// ("de": "Portugiesisch (Brasilien)"); empty for a tag that names none.
QString languageDisplayName(const QString &tag, const QString &displayTag);

// A plug-in's file name beside the program ("Updater.so", "Updater.dll").
QString pluginFileName(const QString &baseName);

// The update manifest's file name on the maker's server; each system has its own list of
// installers.
QString updateManifestName();

// The updater's advice in its error dialog, and its warning before an update, as the
// untranslated source texts (context "Updater"): what helps differs between systems.
const char *updaterErrorAdvice();
const char *updaterOfferWarning();

// True when a downloaded installer is a package for the desktop to install rather than
// a program to start.
bool isInstallerPackage(const QString &path);

// Makes a downloaded installer startable (a download is saved without execute
// permission).
Result<> makeStartable(const QString &path);

// The release files of yt-dlp and Deno for this machine; empty where there is none.
struct ToolReleaseFiles {
    QString ytDlp;
    QString deno;
};
ToolReleaseFiles toolReleaseFiles();

// True where the tool keeps the info of its last extraction for the runs that follow
// (the Linux launcher), so that asking it more about a video extracts nothing again.
bool toolKeepsExtractedInfo();

// Of the browsers named (by the tool's names for them), those with a profile on this
// machine, in the same order: the ones whose cookies the tool can read.
QStringList browsersWithProfiles(const QStringList &browsers);

// False where a window cannot be shown at all (no display server named, and no Qt
// platform chosen that needs none), so that what needs no window can be answered
// without one.
bool hasDisplay();

} // namespace Platform
