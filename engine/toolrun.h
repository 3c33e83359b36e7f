#pragma once

#include <QByteArray>
#include <QString>

class QProcess;

// One run of the downloader tool: its process and what the engine knows about it.
class ToolRun {
public:
    enum class Kind { Metadata, Formats, Video, Update };
    enum class Stop { None, User, Silent };

    explicit ToolRun(Kind kind);
    ~ToolRun();
    ToolRun(const ToolRun &) = delete;
    ToolRun &operator=(const ToolRun &) = delete;

    // Takes standard error read so far and remembers its last "ERROR:" line.
    void takeStandardError(const QByteArray &data, bool final);

    const Kind kind;
    QProcess *const process;
    Stop stop = Stop::None;
    QString lastError;

private:
    QByteArray errorTail; // an incomplete last line of standard error
};
