#pragma once

#include <QProcess>
#include <QStringList>

// The rules of stopping one tool run on Windows with taskkill, kept apart from the
// Windows source file so that every build can test them.
namespace Platform::Taskkill {

// Ends the process with that id and every process it started, at once.
QStringList arguments(qint64 pid);

// Whether taskkill's end means that the tree is gone: it ended it, or no process had that
// id any more because the tool had ended already.
bool treeEnded(QProcess::ExitStatus status, int exitCode);

} // namespace Platform::Taskkill
