#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QProcess;

// Everything that differs between Windows and the other platforms: file names of the
// shipped tools and plug-ins, and how running tool processes are stopped.
namespace Platform {

// The downloader tool's file name ("kestrel2.exe" on Windows).
QString toolFileName();

// The files staged from the program's folder into the data folder, in staging order.
QStringList stagedToolNames();

// What staging a shipped tool into the data folder did.
enum class StageResult { Kept, Staged, Failed, SourceMissing };

// Stages the shipped tool at source as destination. On Windows a copy is made once and
// then left alone, for the tool updates itself there. Elsewhere the staged launcher is
// refreshed whenever the shipped one differs (what it manages lives beside it under other
// names), and ffmpeg is a symbolic link to the shipped one.
StageResult stageTool(const QString &source, const QString &destination);

// Prepares a tool process before it is started so that it can be stopped as a whole.
void prepareToolProcess(QProcess &process);

// Makes a process about to be started die with the one starting it, even when that one
// is killed outright (the Linux parent-death signal; nothing elsewhere).
void dieWithParent(QProcess &process);

// Stops the given running tool processes and everything they started, waiting at most
// timeoutMs. Returns false when that could not be done in time.
bool stopToolProcesses(const QList<QProcess *> &processes, int timeoutMs);

// The warning logged when stopToolProcesses() failed.
QString stopFailureText();

// Ends whatever is left of a finished run's process group, without waiting.
void endProcessGroup(qint64 pid);

// Calls quit (once per signal) when the system asks the program to end: SIGTERM,
// SIGINT and SIGHUP where those exist. Installed once; later calls change nothing.
void quitOnTerminationRequest(const std::function<void()> &quit);

} // namespace Platform
