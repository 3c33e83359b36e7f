#include "engine/toolrun.h"

#include "toolruns/toolruns.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {
// A tool that writes endless text without a line break must not fill the memory.
constexpr qsizetype maxLineLength = 64 * 1024;

// Splits complete lines off the front of tail; an overlong unfinished line is dropped.
QList<QByteArray> takeLines(QByteArray &tail, const QByteArray &data, bool final)
{
    tail.append(data);
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < tail.size() && tail.at(end) != '\n' && tail.at(end) != '\r')
            ++end;
        if (end == tail.size() && !final)
            break;
        lines.append(tail.mid(start, end - start));
        start = end + 1;
        if (start >= tail.size())
            break;
    }
    tail.remove(0, qMin(start, tail.size()));
    if (tail.size() > maxLineLength)
        tail.clear();
    return lines;
}

QString quotedOrPlain(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

} // namespace

ToolRun::ToolRun(ToolRuns::Kind kind_, QObject *owner)
    : kind(kind_)
    , process(new QProcess(owner))
{
}

ToolRun::~ToolRun()
{
    // The run may end inside one of its process's signals: let the process go later.
    process->disconnect();
    process->deleteLater();
}

QList<ToolFailure::Note> ToolRun::takeStandardError(const QByteArray &data, bool final)
{
    QList<ToolFailure::Note> told;
    for (const QByteArray &raw : takeLines(errorTail, data, final)) {
        const QString untrimmed = QString::fromUtf8(raw);
        const QString line = untrimmed.trimmed();
        if (line.startsWith(QLatin1String("ERROR:"))) {
            lastError = line;
        } else if (line.startsWith(QLatin1String(ToolRuns::systemToolNotice))) {
            systemTool = true;
        } else if (const std::optional<ToolFailure::Note> note = ToolFailure::parseNoteLine(line)) {
            told.append(*note);
        } else if (line == QLatin1String("Traceback (most recent call last):")) {
            inTraceback = true;
        } else if (inTraceback && !line.isEmpty() && !untrimmed.at(0).isSpace()) {
            // "SomeError: what went wrong" ends it; a chained traceback follows another line.
            static const QRegularExpression exception(QStringLiteral("^[A-Za-z_][\\w.]*: \\S"));
            if (exception.match(line).hasMatch()) {
                tracebackEnd = line;
                inTraceback = false;
            }
        }
    }
    if (final && lastError.isEmpty())
        lastError = tracebackEnd;
    steps += told;
    return told;
}

bool ToolRun::keepStandardOutput(const QByteArray &data)
{
    if (output.size() + data.size() > maxOutputBytes) {
        overflowed = true;
        return false;
    }
    output.append(data);
    return true;
}

void ToolRun::takeDownloadOutput(const QByteArray &data)
{
    static const QLatin1String destination("[download] Destination: ");
    static const QLatin1String merging("[Merger] Merging formats into ");
    static const QLatin1String converted("[ExtractAudio] Destination: ");
    static const QLatin1String subtitle("[info] Writing video subtitles to: ");
    for (const QByteArray &raw : takeLines(outputTail, data, false)) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(subtitle)) {
            // Converted beside it while the video downloads.
            const QString name = line.mid(subtitle.size());
            const QString stem = name.left(name.lastIndexOf(QLatin1Char('.')));
            subtitles << name << stem + QStringLiteral(".srt");
        } else if (line.startsWith(destination)) {
            written.append(quotedOrPlain(line.mid(destination.size())));
        } else if (line.startsWith(merging)) {
            written.append(quotedOrPlain(line.mid(merging.size())));
        } else if (line.startsWith(converted)) {
            written.append(quotedOrPlain(line.mid(converted.size())));
        }
    }
}

QString ToolRun::savedFile() const
{
    if (written.isEmpty())
        return QString();
    return QFileInfo(QDir(process->workingDirectory()), QDir::fromNativeSeparators(written.last()))
        .absoluteFilePath();
}

void ToolRun::removePartialFiles()
{
    // Cleaned, as the files' folders are: a chosen folder may end in a separator.
    const QString home = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QDir dir(home);
    const QStringList present = dir.entryList(QDir::Files | QDir::Hidden);
    // Every download writes its subtitles anew, before the video; they go into the video or
    // beside it only when the download ends.
    for (const QString &name : std::as_const(written) + subtitles) {
        const QFileInfo file(QDir(process->workingDirectory()), QDir::fromNativeSeparators(name));
        // Only the output folder is ours to tidy, whatever the tool printed.
        if (file.absolutePath() != home)
            continue;
        const QString base = file.fileName();
        const QString suffix = file.suffix();
        QStringList names = {base, base + QStringLiteral(".part"), base + QStringLiteral(".ytdl")};
        if (!suffix.isEmpty()) // the merge's temporary file, "name.temp.mp4"
            names.append(file.completeBaseName() + QStringLiteral(".temp.") + suffix);
        // Compared as text: a title's brackets and stars would make a pattern of the name.
        const QString fragments = base + QStringLiteral(".part-Frag");
        for (const QString &entry : present) {
            if (entry.startsWith(fragments))
                names.append(entry);
        }
        for (const QString &leftover : std::as_const(names))
            dir.remove(leftover);
    }
    written.clear();
    subtitles.clear();
}
