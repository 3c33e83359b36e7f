#pragma once

#include <QString>
#include <QStringList>

// The stand-in tool staged where the engine looks for the downloader, and what it
// recorded of the runs it served.
class ToolStage {
public:
    explicit ToolStage(const QString &dataDir);

    // Places the stand-in (or, with a path, another program) as the staged tool.
    void install(const QString &program = QString()) const;
    void remove() const;
    // The shell lines the stand-in runs; "$1" is the run's first argument.
    void setScript(const QString &lines) const;
    void reset() const;

    QList<qint64> runs() const; // process IDs in start order
    QStringList arguments(qint64 pid) const;
    QString workingDirectory(qint64 pid) const;
    // The run's parent: this process for a run the engine waits on, another for a detached one.
    qint64 parentOf(qint64 pid) const;
    QString file(const QString &name) const { return dir + QLatin1Char('/') + name; }
    QString toolPath() const;

private:
    QString dir;
};

// True while the process runs; a process that has ended but was not yet reaped has ended.
bool processRunning(qint64 pid);
