#include "tests/support/toolstage.h"

#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

ToolStage::ToolStage(const QString &dataDir)
    : dir(dataDir)
{
    QDir().mkpath(dir);
}

QString ToolStage::toolPath() const
{
    return file(Platform::toolFileName());
}

void ToolStage::install(const QString &program) const
{
    remove();
    const QString source =
        program.isEmpty() ? QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/standin.sh") : program;
    QVERIFY2(QFile::copy(source, toolPath()), qPrintable(source));
}

void ToolStage::remove() const
{
    QFile::remove(toolPath());
}

void ToolStage::setScript(const QString &lines) const
{
    QFile script(file(QStringLiteral("standin.cmd")));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(lines.toUtf8());
}

void ToolStage::reset() const
{
    QDir folder(dir);
    const QStringList records =
        folder.entryList({QStringLiteral("run.*"), QStringLiteral("runs.log"),
                          QStringLiteral("standin.cmd"), QStringLiteral("child.*")},
                         QDir::Files);
    for (const QString &name : records)
        folder.remove(name);
}

QList<qint64> ToolStage::runs() const
{
    QList<qint64> pids;
    for (const QByteArray &line : readFile(file(QStringLiteral("runs.log"))).split('\n')) {
        if (!line.trimmed().isEmpty())
            pids.append(line.trimmed().toLongLong());
    }
    return pids;
}

QStringList ToolStage::arguments(qint64 pid) const
{
    QByteArray data = readFile(file(QStringLiteral("run.%1.args").arg(pid)));
    if (data.endsWith('\0'))
        data.chop(1);
    QStringList arguments;
    if (data.isEmpty())
        return arguments;
    for (const QByteArray &argument : data.split('\0'))
        arguments.append(QString::fromUtf8(argument));
    return arguments;
}

QString ToolStage::workingDirectory(qint64 pid) const
{
    return QString::fromUtf8(readFile(file(QStringLiteral("run.%1.cwd").arg(pid)))).trimmed();
}

qint64 ToolStage::parentOf(qint64 pid) const
{
    return readFile(file(QStringLiteral("run.%1.ppid").arg(pid))).trimmed().toLongLong();
}

bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (::kill(pid_t(pid), 0) == -1 && errno == ESRCH)
        return false;
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const int close = stat.lastIndexOf(')');
    if (close < 0 || close + 2 >= stat.size())
        return true;
    const char state = stat.at(close + 2);
    return state != 'Z' && state != 'X';
}
