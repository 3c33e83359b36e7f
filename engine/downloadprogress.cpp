#include "engine/downloadprogress.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

DownloadProgress::DownloadProgress(const QHash<uint, qint64> &listedSizes)
    : listed(listedSizes)
{
}

bool DownloadProgress::take(const QString &chunk)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    const ProgressDetails before = overall;
    firstPercent.reset();
    tail += chunk;
    QStringList lines = tail.split(lineEnd);
    tail = lines.takeLast();
    if (tail.size() > maxLineLength)
        tail.clear();
    // Each line is read once; the chunk's first percentage is kept as well.
    const auto read = [this](const QString &line, bool complete, bool counts) {
        const QString text = line.trimmed();
        const ProgressLine progressLine = readProgressLine(text);
        if (counts && !firstPercent)
            firstPercent = progressLine.percent;
        takeLine(text, progressLine, complete);
        return bool(progressLine.percent);
    };
    for (qsizetype i = 0; i < lines.size(); ++i)
        read(lines.at(i), true, i > 0 || !tailCounted);
    // Into a pipe the tool ends an update with the next one: the latest is read now and
    // again when it is complete.
    // A percentage read there is not read again when the line completes.
    tailCounted = !tail.isEmpty() && read(tail, false, true);
    update();
    return overall.percent != before.percent || overall.downloaded != before.downloaded ||
           overall.total != before.total || overall.speed != before.speed ||
           overall.secondsLeft != before.secondsLeft || overall.merging != before.merging;
}

void DownloadProgress::takeLine(const QString &text, const ProgressLine &read, bool complete)
{
    static const QRegularExpression formats(
        QStringLiteral("^\\[info\\] .*: Downloading \\d+ format\\(s\\): (\\S+)$"));
    if (complete) {
        const QRegularExpressionMatch match = formats.match(text);
        if (match.hasMatch()) {
            // "137+140": the parts in the order the tool downloads them.
            sizes.clear();
            for (const QString &code : match.captured(1).split(QLatin1Char('+'))) {
                bool ok = false;
                const uint value = code.toUInt(&ok);
                const auto size = listed.constFind(value);
                sizes.append(ok && size != listed.constEnd() && *size > 0
                                 ? std::optional<double>(double(*size))
                                 : std::nullopt);
            }
            return;
        }
        if (text.startsWith(QLatin1String("[download] Destination: "))) {
            ++part;
            partDone = 0;
            latest = ProgressDetails();
            return;
        }
        if (text.startsWith(QLatin1String("[download] ")) &&
            text.endsWith(QLatin1String(" has already been downloaded"))) {
            finished = true;
            return;
        }
    }
    const std::optional<ProgressDetails> &details = read.details;
    if (!details)
        return;
    if (details->merging) {
        merging = finished = true;
        return;
    }
    if (part < 0)
        part = 0;
    while (sizes.size() <= part)
        sizes.append(std::nullopt);
    if (details->total)
        sizes[part] = details->total;
    partDone = details->downloaded.value_or(partDone);
    latest = *details;
    reported = true;
}

void DownloadProgress::update()
{
    if (!reported && !finished)
        return;
    const int parts = std::max<int>(int(sizes.size()), part + 1);
    const int current = std::max(part, 0);
    const bool allKnown =
        std::all_of(sizes.cbegin(), sizes.cend(), [](const auto &size) { return bool(size); }) &&
        sizes.size() == parts;
    double done = partDone;
    for (int i = 0; i < current && i < sizes.size(); ++i)
        done += sizes.at(i).value_or(0);

    double fraction = 0;
    ProgressDetails next;
    next.downloaded = done;
    next.speed = latest.speed;
    if (allKnown) {
        double total = 0;
        for (const auto &size : std::as_const(sizes))
            total += *size;
        next.total = total;
        fraction = total > 0 ? done / total : 0;
        // The tool's own estimate holds for its last part; before that, the parts still
        // to come take their time too.
        if (current == parts - 1)
            next.secondsLeft = latest.secondsLeft;
        else if (latest.speed && *latest.speed > 0 && total > done)
            next.secondsLeft = int(std::ceil((total - done) / *latest.speed));
    } else {
        // Without every part's size, each part counts alike.
        const std::optional<double> size =
            current < sizes.size() ? sizes.at(current) : std::nullopt;
        const double inPart = size && *size > 0 ? std::min(1.0, partDone / *size) : 0;
        fraction = (current + inPart) / parts;
        if (current == parts - 1)
            next.secondsLeft = latest.secondsLeft;
    }
    // At 99 % the tool is as good as done, as for a single line.
    const int percent = finished || fraction >= 0.99 ? 100 : std::max(0, int(fraction * 100));
    next.percent = std::max(percent, overall.percent.value_or(0));
    next.merging = merging;
    overall = next;
}
