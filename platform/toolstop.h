#pragma once

#include <QObject>

#include <memory>

class QProcess;

namespace Platform {

// Stops a tool process started after prepareToolProcess() together with everything it
// started, and touches nothing else. The stop starts at construction and never blocks:
// finished() follows, from the event loop, once all of it has ended (the process itself
// reaped by its QProcess), or with false when that did not happen within timeoutMs.
class ToolStop : public QObject {
    Q_OBJECT

public:
    ToolStop(QProcess *process, int timeoutMs, QObject *parent = nullptr);
    ~ToolStop() override;

    // Waits here until the stop has finished, for when no event loop runs any more (the
    // program's end); finished() is emitted from inside. Returns what it reported.
    bool waitForFinished();
    bool isFinished() const;

    // What each system's source file keeps of a stop.
    struct Private;

signals:
    void finished(bool stopped);

private:
    std::unique_ptr<Private> inner;
};

} // namespace Platform
