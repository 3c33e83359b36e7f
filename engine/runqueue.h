#pragma once

#include "engine/toolrun.h"

#include <QList>
#include <QObject>
#include <QProcess>

#include <functional>
#include <memory>
#include <vector>

// The life of the tool's runs: a run starts at once, or waits while stopped runs are still
// ending, for their partial files may bear the names it writes; a stop ends what the run
// started too; a run ended is forgotten. What each run means is the engine's.
class RunQueue : public QObject {
    Q_OBJECT

public:
    // How long a stopped run and what it started get to end before the stop is given up.
    static constexpr int defaultStopTimeoutMs = 30000;

    explicit RunQueue(QObject *parent = nullptr);
    ~RunQueue() override;

    // A new run, owned here until forget().
    ToolRun *create(ToolRuns::Kind kind);
    void start(ToolRun *run);
    // Calls start now, or once no stop is under way any more; a later call takes the place
    // of one still waiting.
    void startWhenClear(std::function<void()> start);
    // Stops a running run and what it started, or drops a queued one; else does nothing.
    void stop(ToolRun *run);
    // Each run ends with what it started.
    void forget(ToolRun *run);
    void setStopTimeout(int ms) { stopTimeoutMs = ms; }
    // For the end of the program, when no event loop runs any more: waits for each stop
    // under way, and returns the runs stopped, which report nothing.
    QList<ToolRun *> waitForStops();

    QList<ToolRun *> runs() const;
    bool isActive(const ToolRun *run) const; // queued or running

signals:
    // The run's process has ended and, for a stopped run, all it started too.
    void finished(ToolRun *run, QProcess::ExitStatus status);
    // After the call that asked for it has returned.
    void notStarted(ToolRun *run);
    // A queued run stopped before it started; after the call that stopped it has returned.
    void dropped(ToolRun *run);

private:
    bool owns(const ToolRun *run) const;
    bool anyStopping() const;
    void stopProcess(ToolRun *run);
    void stopEnded(ToolRun *run, bool stopped);
    void startQueuedRuns();

    std::vector<std::unique_ptr<ToolRun>> owned; // made and not yet forgotten
    std::function<void()> waitingStart;
    int stopTimeoutMs = defaultStopTimeoutMs;
};
