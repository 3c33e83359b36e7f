#include "engine/formatparser.h"

#include <QRegularExpression>
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
    FormatRecord record;
    int line = 0;
};

// Where the columns of the table's first part begin, from its heading line; -1 when the
// heading has none.
struct Columns {
    qsizetype fps = -1;
    qsizetype hdr = -1;
    qsizetype channels = -1;
    qsizetype end = -1; // the first column separator
};

bool isSeparator(QChar c)
{
    return c == QLatin1Char('|') || c == QChar(0x2502);
}

qsizetype firstSeparator(QStringView line, qsizetype from = 0)
{
    for (qsizetype i = from; i < line.size(); ++i) {
        if (isSeparator(line.at(i)))
            return i;
    }
    return -1;
}

// The heading of the table that "--list-formats" prints ("ID EXT RESOLUTION FPS HDR CH |").
std::optional<Columns> headingColumns(const QString &line)
{
    const QStringView text(line);
    if (!text.trimmed().startsWith(QLatin1String("ID ")) || !text.contains(QLatin1String("EXT")))
        return std::nullopt;
    Columns columns;
    columns.end = firstSeparator(text);
    if (columns.end < 0)
        return std::nullopt;
    const auto start = [&text, &columns](QLatin1String name) -> qsizetype {
        for (qsizetype at = text.indexOf(name); at >= 0 && at < columns.end;
             at = text.indexOf(name, at + 1)) {
            const bool alone =
                (at == 0 || text.at(at - 1).isSpace()) &&
                (at + name.size() >= text.size() || text.at(at + name.size()).isSpace());
            if (alone)
                return at;
        }
        return -1;
    };
    columns.fps = start(QLatin1String("FPS"));
    columns.hdr = start(QLatin1String("HDR"));
    columns.channels = start(QLatin1String("CH"));
    return columns;
}

// The cell of a line below the heading between one column's start and the next one's.
QString cellAt(const QString &line, qsizetype begin, std::initializer_list<qsizetype> ends)
{
    if (begin < 0)
        return {};
    qsizetype end = line.size();
    for (qsizetype candidate : ends) {
        if (candidate > begin)
            end = std::min(end, candidate);
    }
    return line.mid(begin, end - begin).trimmed();
}

QList<QStringView> leadingTokens(QStringView text, int count);

// Codec, frame rate and dynamic range as the line names them, in the table's layout or
// the older one that lists them in a note ("avc1.42001E@ 600k, 25fps").
void readTraits(const QString &line, const std::optional<Columns> &columns, FormatRecord &record)
{
    const qsizetype first = firstSeparator(line);
    const qsizetype second = first < 0 ? -1 : firstSeparator(line, first + 1);
    if (second >= 0) {
        const QList<QStringView> codec = leadingTokens(QStringView(line).mid(second + 1), 1);
        if (!codec.isEmpty() && codec.first() != QLatin1String("unknown"))
            record.videoCodec = codec.first().toString();
        if (columns && first == columns->end) {
            record.frameRate = cellAt(line, columns->fps, {columns->hdr, columns->channels, first});
            const QString hdr = cellAt(line, columns->hdr, {columns->channels, first});
            if (!hdr.isEmpty())
                record.dynamicRange = hdr.at(0).isDigit() ? QStringLiteral("HDR") + hdr : hdr;
        } else {
            // Without its heading, a number after the resolution is the frame rate.
            const QList<QStringView> tokens = leadingTokens(QStringView(line).left(first), 4);
            bool number = false;
            if (tokens.size() == 4 && tokens.at(3).toUInt(&number) > 0 && number)
                record.frameRate = tokens.at(3).toString();
        }
    } else {
        static const QRegularExpression fps(QStringLiteral("\\b(\\d+)fps\\b"));
        static const QRegularExpression codec(
            QStringLiteral("\\b((?:avc|hev|hvc|vp0?[89]|av0)[\\w.]*)"));
        record.frameRate = fps.match(line).captured(1);
        record.videoCodec = codec.match(line).captured(1);
    }
    // The note after the codecs says "HDR" where the table has no column for it.
    static const QRegularExpression hdrNote(QStringLiteral("\\bHDR\\b"));
    if (record.dynamicRange.isEmpty() && second >= 0 && hdrNote.match(line, second).hasMatch())
        record.dynamicRange = QStringLiteral("HDR");
}

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

std::optional<FormatCandidate> candidateFrom(const QString &line, int position,
                                             const std::optional<Columns> &columns)
{
    if (line.contains(QLatin1String("audio only")))
        return std::nullopt;
    const std::optional<uint> code = leadingCode(line);
    if (!code)
        return std::nullopt;

    FormatCandidate candidate;
    FormatRecord &record = candidate.record;
    record.code = *code;
    candidate.line = position;

    qsizetype cut = line.indexOf(QLatin1Char('|'));
    if (cut < 0)
        cut = line.size();
    const QList<QStringView> tokens = leadingTokens(QStringView(line).left(cut), 4);
    if (tokens.size() > 1)
        record.container = tokens.at(1).toString();
    if (tokens.size() > 2)
        record.resolution = tokens.at(2).toString();

    record.size = firstSizeText(line);
    readTraits(line, columns, record);

    candidate.tier = tierOf(line, record.code, record.container);
    return candidate;
}

} // namespace

FormatList parseFormatList(const QString &output)
{
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    FormatList result;
    QList<FormatCandidate> candidates;
    bool audioOnly = false;
    std::optional<Columns> columns;
    for (int i = 0; i < lines.size(); ++i) {
        if (std::optional<Columns> heading = headingColumns(lines.at(i)))
            columns = heading;
        if (std::optional<FormatCandidate> candidate = candidateFrom(lines.at(i), i, columns))
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
        if (seen.contains(candidate.record.code))
            continue;
        seen.insert(candidate.record.code);
        ordered.append(candidate.record);
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
