#include "engine/runqueue.h"

#include "platform/platform.h"
#include "platform/toolstop.h"

#include <QDebug>

#include <algorithm>
#include <utility>

RunQueue::RunQueue(QObject *parent)
    : QObject(parent)
{
}

// The processes and stops are children: what is left of them goes now, not with an event
// loop that may never run again.
RunQueue::~RunQueue() = default;

ToolRun *RunQueue::create(ToolRuns::Kind kind)
{
    auto *run = owned.emplace_back(std::make_unique<ToolRun>(kind, this)).get();
    QProcess *process = run->process;
    connect(process, &QProcess::finished, this, [this, run](int, QProcess::ExitStatus status) {
        run->exited = true;
        run->normalExit = status == QProcess::NormalExit;
        // A stopped run reports once what it started has gone too.
        if (!run->stopper)
            emit finished(run, status);
    });
    // Queued, so that a tool that cannot start is reported after the request returns.
    connect(
        process, &QProcess::errorOccurred, this,
        [this, run](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart && owns(run))
                emit notStarted(run);
        },
        Qt::QueuedConnection);
    connect(process, &QProcess::started, this, [run] { run->pid = run->process->processId(); });
    return run;
}

QList<ToolRun *> RunQueue::runs() const
{
    QList<ToolRun *> all;
    for (const std::unique_ptr<ToolRun> &run : owned)
        all.append(run.get());
    return all;
}

bool RunQueue::owns(const ToolRun *run) const
{
    return std::any_of(owned.cbegin(), owned.cend(),
                       [run](const std::unique_ptr<ToolRun> &kept) { return kept.get() == run; });
}

bool RunQueue::isActive(const ToolRun *run) const
{
    return run->queued || run->process->state() != QProcess::NotRunning;
}

void RunQueue::start(ToolRun *run)
{
    // Stopped runs go first: their partial files may bear the names this run writes.
    if (anyStopping()) {
        run->queued = true;
        return;
    }
    run->process->start(QIODevice::ReadWrite);
}

void RunQueue::startWhenClear(std::function<void()> start)
{
    if (anyStopping())
        waitingStart = std::move(start);
    else
        start();
}

void RunQueue::startQueuedRuns()
{
    if (anyStopping())
        return;
    if (waitingStart)
        std::exchange(waitingStart, nullptr)();
    const QList<ToolRun *> waiting = runs();
    for (ToolRun *run : waiting) {
        if (!owns(run) || !run->queued)
            continue;
        run->queued = false;
        run->process->start(QIODevice::ReadWrite);
    }
}

bool RunQueue::anyStopping() const
{
    return std::any_of(owned.cbegin(), owned.cend(),
                       [](const std::unique_ptr<ToolRun> &run) { return run->stopper != nullptr; });
}

void RunQueue::stop(ToolRun *run)
{
    if (!isActive(run))
        return;
    if (!run->queued) {
        stopProcess(run);
        return;
    }
    run->queued = false;
    QMetaObject::invokeMethod(
        this,
        [this, run] {
            if (owns(run))
                emit dropped(run);
        },
        Qt::QueuedConnection);
}

void RunQueue::stopProcess(ToolRun *run)
{
    if (run->stopper)
        return;
    run->stopper = new Platform::ToolStop(run->process, stopTimeoutMs, this);
    connect(run->stopper, &Platform::ToolStop::finished, this,
            [this, run](bool stopped) { stopEnded(run, stopped); });
}

void RunQueue::stopEnded(ToolRun *run, bool stopped)
{
    if (!stopped)
        qWarning().noquote() << "WARNING:" << Platform::stopFailureText();
    else
        run->pid = 0; // its group is gone; the ID may belong to another one now
    run->stopper->deleteLater();
    run->stopper = nullptr;
    if (run->exited)
        emit finished(run, run->normalExit ? QProcess::NormalExit : QProcess::CrashExit);
    startQueuedRuns();
}

QList<ToolRun *> RunQueue::waitForStops()
{
    QList<ToolRun *> stopped;
    for (ToolRun *run : runs()) {
        if (!run->stopper)
            continue;
        disconnect(run->stopper, nullptr, this, nullptr);
        if (!run->stopper->waitForFinished())
            qWarning().noquote() << "WARNING:" << Platform::stopFailureText();
        stopped.append(run);
    }
    return stopped;
}

void RunQueue::forget(ToolRun *run)
{
    // Whatever the run started and left behind ends with it.
    if (run->pid > 0)
        Platform::endToolLeftovers(*run->process, run->pid);
    if (run->stopper) {
        disconnect(run->stopper, nullptr, this, nullptr);
        run->stopper->deleteLater();
        QMetaObject::invokeMethod(this, &RunQueue::startQueuedRuns, Qt::QueuedConnection);
    }
    owned.erase(
        std::remove_if(owned.begin(), owned.end(),
                       [run](const std::unique_ptr<ToolRun> &kept) { return kept.get() == run; }),
        owned.end());
}
