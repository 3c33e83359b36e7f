#include "engine/toolrun.h"

#include <QProcess>

namespace {
// A tool that writes endless text without a line break must not fill the memory.
constexpr qsizetype maxLineLength = 64 * 1024;
} // namespace

ToolRun::ToolRun(Kind kind_)
    : kind(kind_)
    , process(new QProcess)
{
}

ToolRun::~ToolRun()
{
    // The run may end inside one of its process's signals: let the process go later.
    process->disconnect();
    process->deleteLater();
}

void ToolRun::takeStandardError(const QByteArray &data, bool final)
{
    errorTail.append(data);
    qsizetype start = 0;
    for (;;) {
        qsizetype end = errorTail.indexOf('\n', start);
        if (end < 0) {
            if (!final)
                break;
            end = errorTail.size();
        }
        const QString line = QString::fromUtf8(errorTail.mid(start, end - start)).trimmed();
        if (line.startsWith(QLatin1String("ERROR:")))
            lastError = line;
        start = end + 1;
        if (start > errorTail.size())
            break;
    }
    errorTail.remove(0, qMin(start, errorTail.size()));
    if (errorTail.size() > maxLineLength)
        errorTail.clear();
}
