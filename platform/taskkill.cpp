#include "platform/taskkill.h"

namespace Platform::Taskkill {

namespace {
// What taskkill returns when no process has the id.
constexpr int noSuchProcess = 128;
} // namespace

QStringList arguments(qint64 pid)
{
    return {QStringLiteral("/PID"), QString::number(pid), QStringLiteral("/T"),
            QStringLiteral("/F")};
}

bool treeEnded(QProcess::ExitStatus status, int exitCode)
{
    return status == QProcess::NormalExit && (exitCode == 0 || exitCode == noSuchProcess);
}

} // namespace Platform::Taskkill
