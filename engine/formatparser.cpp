#include "engine/formatparser.h"

#include <QSet>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The order in which the kinds of format lines are offered, first to last.
enum Tier {
    EstimatedSize,   // "≈" before the size
    ApproximateSize, // "~" before the size
    CombinedClassic, // the combined formats 18 and 24
    Mp4VideoOnly,
    Mp4,
    Other,
};

constexpr uint classicCombinedCodes[] = {18, 24};

struct FormatCandidate {
    Tier tier = Other;
    uint code = 0;
    QString extension;
    QString resolution;
    QString size;
    int line = 0;
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The first text of the form \d+(\.\d+)?(KiB|MiB|GiB) in the line, as the leftmost match
// of that expression would give it; scanned by hand, since this runs for every line.
QString firstSizeText(QStringView line)
{
    for (qsizetype unit = line.indexOf(QLatin1String("iB"), 1); unit > 0;
         unit = line.indexOf(QLatin1String("iB"), unit + 1)) {
        const QChar scale = line.at(unit - 1);
        if (scale != QLatin1Char('K') && scale != QLatin1Char('M') && scale != QLatin1Char('G'))
            continue;
        qsizetype start = unit - 1;
        while (start > 0 && isAsciiDigit(line.at(start - 1)))
            --start;
        if (start == unit - 1)
            continue;
        if (start >= 2 && line.at(start - 1) == QLatin1Char('.') &&
            isAsciiDigit(line.at(start - 2))) {
            start -= 2;
            while (start > 0 && isAsciiDigit(line.at(start - 1)))
                --start;
        }
        return line.mid(start, unit + 2 - start).toString();
    }
    return QString();
}

// The non-zero code at the start of the line, after leading blanks. Digits followed by
// other characters ("140-1") give the number before them.
std::optional<uint> leadingCode(const QString &line)
{
    int begin = 0;
    while (begin < line.size() && line.at(begin).isSpace())
        ++begin;
    int end = begin;
    while (end < line.size() && line.at(end).isDigit())
        ++end;
    if (end == begin)
        return std::nullopt;
    bool ok = false;
    const uint code = QStringView(line).mid(begin, end - begin).toUInt(&ok, 10);
    if (!ok || code == 0)
        return std::nullopt;
    return code;
}

// The first tokens of the text, split at runs of white space.
QList<QStringView> leadingTokens(QStringView text, int count)
{
    QList<QStringView> tokens;
    int i = 0;
    while (tokens.size() < count) {
        while (i < text.size() && text.at(i).isSpace())
            ++i;
        if (i == text.size())
            break;
        const int start = i;
        while (i < text.size() && !text.at(i).isSpace())
            ++i;
        tokens.append(text.mid(start, i - start));
    }
    return tokens;
}

Tier tierOf(const QString &line, uint code, const QString &extension)
{
    if (line.contains(QChar(0x2248)))
        return EstimatedSize;
    if (line.contains(QLatin1Char('~')))
        return ApproximateSize;
    if (std::find(std::begin(classicCombinedCodes), std::end(classicCombinedCodes), code) !=
        std::end(classicCombinedCodes))
        return CombinedClassic;
    if (extension == QLatin1String("mp4"))
        return line.contains(QLatin1String("video only")) ? Mp4VideoOnly : Mp4;
    return Other;
}

std::optional<FormatCandidate> candidateFrom(const QString &line, int position)
{
    if (line.contains(QLatin1String("audio only")))
        return std::nullopt;
    const std::optional<uint> code = leadingCode(line);
    if (!code)
        return std::nullopt;

    FormatCandidate candidate;
    candidate.code = *code;
    candidate.line = position;

    qsizetype cut = line.indexOf(QLatin1Char('|'));
    if (cut < 0)
        cut = line.size();
    const QList<QStringView> tokens = leadingTokens(QStringView(line).left(cut), 4);
    if (tokens.size() > 1)
        candidate.extension = tokens.at(1).toString();
    if (tokens.size() > 2)
        candidate.resolution = tokens.at(2).toString();

    candidate.size = firstSizeText(line);

    candidate.tier = tierOf(line, candidate.code, candidate.extension);
    return candidate;
}

} // namespace

FormatList parseFormatList(const QString &output)
{
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    FormatList result;
    QList<FormatCandidate> candidates;
    bool audioOnly = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (std::optional<FormatCandidate> candidate = candidateFrom(lines.at(i), i))
            candidates.append(*candidate);
        if (const std::optional<uint> code = leadingCode(lines.at(i))) {
            if (!result.sizes.contains(*code)) {
                if (const qint64 bytes = sizeToBytes(firstSizeText(lines.at(i))))
                    result.sizes.insert(*code, bytes);
            }
            if (lines.at(i).contains(QLatin1String("audio only")))
                audioOnly = true;
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const FormatCandidate &a, const FormatCandidate &b) {
                         return a.tier != b.tier ? a.tier < b.tier : a.line < b.line;
                     });

    // The first candidate of each code wins; kept in walk order so that ties stay stable.
    QSet<uint> seen;
    QList<FormatRecord> ordered;
    for (const FormatCandidate &candidate : std::as_const(candidates)) {
        if (seen.contains(candidate.code))
            continue;
        seen.insert(candidate.code);
        ordered.append({candidate.code, candidate.size, candidate.resolution});
    }

    // Nothing but audio: offer the first numbered line, whatever it is.
    if (ordered.isEmpty()) {
        for (const QString &line : lines) {
            if (const std::optional<uint> code = leadingCode(line)) {
                ordered.append({*code, QString(), QString()});
                break;
            }
        }
    }

    // Largest first; each size is converted once.
    QList<std::pair<qint64, FormatRecord>> sized;
    sized.reserve(ordered.size());
    for (FormatRecord &record : ordered)
        sized.append({sizeToBytes(record.size), std::move(record)});
    std::stable_sort(sized.begin(), sized.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    if (sized.size() > maxOfferedFormats)
        sized.resize(maxOfferedFormats);

    result.audioOnly = audioOnly;
    for (const auto &[bytes, record] : std::as_const(sized)) {
        result.formats.insert(record.code, record);
        result.viewOrder.append(record.code);
    }
    return result;
}

SizeText splitSizeText(const QString &size)
{
    QString number;
    SizeText result;
    for (const QChar c : size) {
        if (c.isDigit() || c == QLatin1Char('.'))
            number.append(c);
        else
            result.unit.append(c);
    }
    result.value = number.toDouble(&result.ok);
    if (!result.ok)
        result.value = 0;
    return result;
}

qint64 sizeToBytes(const QString &size)
{
    SizeText text = splitSizeText(size);
    if (!text.ok)
        return 0;
    if (text.isUnit("GiB"))
        text.value *= 1024.0 * 1024.0 * 1024.0;
    else if (text.isUnit("MiB"))
        text.value *= 1024.0 * 1024.0;
    else if (text.isUnit("KiB"))
        text.value *= 1024.0;
    // Absurd sizes saturate rather than overflow the conversion.
    if (!(text.value < 9.2e18))
        return std::numeric_limits<qint64>::max();
    return qint64(text.value);
}
