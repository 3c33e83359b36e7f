#include "engine/progressdetails.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>
#include <QtNumeric>

#include <cmath>
#include <limits>

namespace {

constexpr int sizePrecision = 1;
constexpr int secondsPerHour = 3600;
constexpr double almostDone = 99.0;

// "1.66MiB", "977.23KiB", "12B", also the decimal units of older tools.
#define CLM_SIZE "\\d+(?:\\.\\d+)?[KMGTPE]?i?B"

std::optional<double> bytes(const QString &text)
{
    static const QRegularExpression size(QStringLiteral("^(\\d+(?:\\.\\d+)?)([KMGTPE]?)(i?)B$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double base = match.captured(3).isEmpty() ? 1000.0 : 1024.0;
    const int power = int(QStringLiteral(" KMGTPE").indexOf(
        match.captured(2).isEmpty() ? QStringLiteral(" ") : match.captured(2)));
    const double value = match.captured(1).toDouble() * std::pow(base, power);
    // Beyond what a file can hold the number is noise, not a size.
    if (!qIsFinite(value) || value >= double(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return value;
}

std::optional<int> seconds(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    constexpr qint64 limit = std::numeric_limits<int>::max();
    qint64 total = 0;
    for (const QString &field : text.split(QLatin1Char(':'))) {
        bool ok = false;
        const qint64 value = field.toLongLong(&ok);
        if (!ok || value > limit)
            return std::nullopt;
        total = total * 60 + value;
        if (total > limit)
            return std::nullopt;
    }
    return int(total);
}

std::optional<ProgressDetails> details(const QString &text)
{
    static const QRegularExpression progress(QStringLiteral(
        "^\\[download\\] (?:(?<percent>\\d+(?:\\.\\d+)?)% of ~? ?(?<total>" CLM_SIZE ")"
        "(?: in [\\d:]+)?|(?<done>" CLM_SIZE "))"
        "(?: at (?:(?<speed>" CLM_SIZE ")/s|Unknown B/s|Unknown speed))?"
        "(?: ETA (?:(?<eta>\\d+(?::\\d+)*)|Unknown))?"
        "(?: \\([^)]*\\))?$"));
    if (text.startsWith(QLatin1String("[Merger] "))) {
        ProgressDetails details;
        details.merging = true;
        return details;
    }
    const QRegularExpressionMatch match = progress.match(text);
    if (!match.hasMatch())
        return std::nullopt;

    ProgressDetails details;
    details.total = bytes(match.captured(u"total"));
    if (details.total) {
        const double percent = qBound(0.0, match.captured(u"percent").toDouble(), 100.0);
        details.downloaded = *details.total * percent / 100.0;
    } else {
        details.downloaded = bytes(match.captured(u"done"));
    }
    details.speed = bytes(match.captured(u"speed"));
    details.secondsLeft = seconds(match.captured(u"eta"));
    return details;
}

// The number before the first "%", read leniently: the bar must move even when the rest
// of the line takes a shape this program does not know.
std::optional<int> percent(const QString &text)
{
    const QString marker = QStringLiteral("[download]");
    const qsizetype percentSign = text.indexOf(QLatin1Char('%'));
    if (!text.startsWith(marker) || percentSign < 0)
        return std::nullopt;
    QString number = text.left(percentSign);
    number.remove(marker);
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok);
    if (!ok || !qIsFinite(value) || value < 0)
        return 0;
    // At 99 % the tool is as good as done; what remains is merging and moving.
    return value >= almostDone ? 100 : int(value);
}

} // namespace

ProgressLine readProgressLine(const QString &line)
{
    const QString text = line.simplified();
    return {percent(text), details(text)};
}

QString describeSize(double bytes)
{
    return QLocale().formattedDataSize(qint64(bytes), sizePrecision, QLocale::DataSizeIecFormat);
}

QString describeProgress(const ProgressDetails &details)
{
    if (details.merging)
        return QCoreApplication::translate("Progress", "Merging video and audio…");
    const auto size = describeSize;
    QStringList parts;
    if (details.downloaded && details.total)
        parts << QCoreApplication::translate("Progress", "%1 of %2")
                     .arg(size(*details.downloaded), size(*details.total));
    else if (details.downloaded)
        parts << size(*details.downloaded);
    if (details.speed)
        parts << QCoreApplication::translate("Progress", "%1/s").arg(size(*details.speed));
    if (details.secondsLeft) {
        const int left = *details.secondsLeft;
        const QTime time = QTime(0, 0).addSecs(left % (24 * secondsPerHour));
        const QString clock = time.toString(left >= secondsPerHour ? QStringLiteral("H:mm:ss")
                                                                   : QStringLiteral("m:ss"));
        parts << QCoreApplication::translate("Progress", "%1 left").arg(clock);
    }
    return parts.join(QStringLiteral(" · "));
}
