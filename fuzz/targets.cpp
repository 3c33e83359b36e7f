// The fuzz targets: the parsers of the tool's output, the address rules and the update
// manifest, each with the invariants the rest of the program relies on.
#include "engine/address.h"
#include "engine/downloadprogress.h"
#include "engine/formatparser.h"
#include "engine/metadataparser.h"
#include "engine/progressdetails.h"
#include "fuzz/fuzztarget.h"
#include "updater/manifestreader.h"

#include <QRegularExpression>
#include <QSet>

namespace {

QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace

#if !defined(CLIPMOOR_LIBFUZZER) || defined(CLIPMOOR_FUZZ_ADDRESS)
CLIPMOOR_FUZZ_TARGET(address)
{
    const std::optional<QUrl> url = Address::accept(text(data, size));
    if (!url)
        return 0;
    const Address::Target target = Address::targetFor(*url);
    // The tool's last argument can never be taken for an option.
    FUZZ_CHECK(!target.target.isEmpty());
    FUZZ_CHECK(!target.target.startsWith(QLatin1Char('-')));
    FUZZ_CHECK((target.problem == Address::Target::None) != target.canonical.isEmpty());
    // The tool gets a plain video ID or an address of the site itself, nothing else.
    QUrl sent(target.target, QUrl::TolerantMode);
    if (sent.scheme().isEmpty())
        sent = QUrl(QStringLiteral("https://") + target.target, QUrl::TolerantMode);
    const QString host = sent.host().toLower();
    const QString main = QLatin1String(Address::mainHost);
    FUZZ_CHECK(Address::isVideoId(target.target) || host == QLatin1String(Address::shortHost) ||
               host == main || host.endsWith(QLatin1Char('.') + main));
    return 0;
}
#endif

#if !defined(CLIPMOOR_LIBFUZZER) || defined(CLIPMOOR_FUZZ_FORMATS)
CLIPMOOR_FUZZ_TARGET(formats)
{
    const FormatList list = parseFormatList(text(data, size));
    FUZZ_CHECK(list.viewOrder.size() <= maxOfferedFormats);
    FUZZ_CHECK(list.formats.size() == list.viewOrder.size());
    QSet<uint> seen;
    qint64 previous = std::numeric_limits<qint64>::max();
    for (uint code : list.viewOrder) {
        FUZZ_CHECK(code != 0);
        FUZZ_CHECK(!seen.contains(code));
        seen.insert(code);
        FUZZ_CHECK(list.formats.contains(code) && list.formats.value(code).code == code);
        // The hand-made scanner finds exactly what the size expression would.
        static const QRegularExpression sizeText(
            QStringLiteral("\\A\\d+(?:\\.\\d+)?(?:KiB|MiB|GiB)\\z"));
        const QString found = list.formats.value(code).size;
        FUZZ_CHECK(found.isEmpty() || sizeText.match(found).hasMatch());
        const qint64 bytes = sizeToBytes(list.formats.value(code).size);
        FUZZ_CHECK(bytes >= 0 && bytes <= previous);
        previous = bytes;
    }
    return 0;
}
#endif

#if !defined(CLIPMOOR_LIBFUZZER) || defined(CLIPMOOR_FUZZ_METADATA)
CLIPMOOR_FUZZ_TARGET(metadata)
{
    const Metadata metadata = parseMetadata(text(data, size));
    if (metadata.status == Metadata::Ok) {
        FUZZ_CHECK(metadata.duration.isValid());
        FUZZ_CHECK(metadata.title == metadata.title.trimmed());
    }
    return 0;
}
#endif

#if !defined(CLIPMOOR_LIBFUZZER) || defined(CLIPMOOR_FUZZ_PROGRESS)
CLIPMOOR_FUZZ_TARGET(progress)
{
    const ProgressLine line = readProgressLine(text(data, size));
    FUZZ_CHECK(!line.percent || (*line.percent >= 0 && *line.percent <= 100));
    if (const std::optional<ProgressDetails> &details = line.details) {
        for (const std::optional<double> &amount :
             {details->downloaded, details->total, details->speed})
            FUZZ_CHECK(!amount || (*amount >= 0 && *amount < 9.3e18));
        FUZZ_CHECK(!details->downloaded || !details->total ||
                   *details->downloaded <= *details->total);
        FUZZ_CHECK(!details->secondsLeft || *details->secondsLeft >= 0);
        FUZZ_CHECK(!describeProgress(*details).isEmpty() || !details->downloaded);
    }
    DownloadProgress stream;
    stream.take(text(data, size));
    const std::optional<int> first = stream.chunkPercent();
    FUZZ_CHECK(!first || (*first >= 0 && *first <= 100));
    const std::optional<int> overall = stream.reading().percent;
    FUZZ_CHECK(!overall || (*overall >= 0 && *overall <= 100));
    return 0;
}
#endif

#if !defined(CLIPMOOR_LIBFUZZER) || defined(CLIPMOOR_FUZZ_MANIFEST)
CLIPMOOR_FUZZ_TARGET(manifest)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (Result<ManifestFields> fields = readManifest(bytes)) {
        if (const Result<> releases = readReleases(*fields)) {
            FUZZ_CHECK(fields->latestVersion <= uint(std::numeric_limits<int>::max()));
        } else {
            FUZZ_CHECK(!releases.error().isEmpty());
        }
    } else {
        FUZZ_CHECK(!fields.error().isEmpty());
    }
    return 0;
}
#endif
