// The tool-output parsers and the address rules, against real output of the tool and
// against the edge cases that break naive parsing.
#include "engine/address.h"
#include "engine/downloadprogress.h"
#include "engine/formatparser.h"
#include "engine/formattablemodel.h"
#include "engine/metadataparser.h"
#include "engine/progressdetails.h"
#include "engine/toolerror.h"
#include "engine/toolrun.h"
#include "tests/support/testdata.h"
#include "tests/support/testmain.h"

#include <algorithm>

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QTest>

using Records = QList<FormatRecord>;

Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

Records recordsInViewOrder(const FormatList &list)
{
    Records records;
    for (uint code : list.viewOrder)
        records.append(list.formats.value(code));
    return records;
}

// With traits, also what tells rows of one resolution apart.
QString describe(const Records &records, bool traits = false)
{
    QStringList parts;
    for (const FormatRecord &r : records) {
        parts.append(QStringLiteral("%1/%2/%3").arg(r.code).arg(r.resolution, r.size));
        if (traits)
            parts.last() += QStringLiteral("/%1/%2/%3/%4")
                                .arg(r.container, r.videoCodec, r.frameRate, r.dynamicRange);
    }
    return parts.join(QLatin1Char(' '));
}

// Twelve video lines of 1 to 12 MiB, in a shuffled order.
QString twelveFormats()
{
    QString text;
    for (int size : {5, 12, 1, 7, 3, 9, 11, 2, 8, 4, 10, 6})
        text += QStringLiteral("%1 mp4 %2x%2 | %3.00MiB https | video only\n")
                    .arg(100 + size)
                    .arg(size * 10)
                    .arg(size);
    return text;
}

} // namespace

class TestParsers : public QObject {
    Q_OBJECT

public:
    explicit TestParsers(const TestHome &)
    {
        // Sizes and speeds are written the way the user's language writes numbers.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

private slots:
    void formatList_data();
    void formatList();
    void formatListInvariants_data();
    void formatListInvariants();
    void sizeToBytes_data();
    void sizeToBytes();
    void formatTableModel();
    void metadata_data();
    void metadata();
    void progress_data();
    void progress();
    void progressOverRealDownloads_data();
    void progressOverRealDownloads();
    void toolErrorAdvice_data();
    void toolErrorAdvice();
    void acceptAddress_data();
    void acceptAddress();
    void toolTarget_data();
    void toolTarget();
};

void TestParsers::formatList_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<Records>("expected");

    // Sizes unknown everywhere: the ranking (tier, then line) decides the order.
    QTest::newRow("2015 youtube-dl layout without columns")
        << testData(QStringLiteral("listings/01-ytdl-2015-old-style-complete.txt"))
        << Records{{18, {}, QStringLiteral("640x360")},  {160, {}, QStringLiteral("256x144")},
                   {133, {}, QStringLiteral("426x240")}, {134, {}, QStringLiteral("640x360")},
                   {135, {}, QStringLiteral("854x480")}, {136, {}, QStringLiteral("1280x720")},
                   {22, {}, QStringLiteral("1280x720")}, {17, {}, QStringLiteral("176x144")},
                   {36, {}, QStringLiteral("320x240")},  {5, {}, QStringLiteral("400x240")},
                   {43, {}, QStringLiteral("640x360")}};
    QTest::newRow("piped ASCII table, audio tracks with '-N' codes skipped")
        << testData(QStringLiteral("listings/07-ytdlp-piped-ascii-multilang-140-N.txt"))
        << Records{{136, QStringLiteral("19.86MiB"), QStringLiteral("1280x720")},
                   {135, QStringLiteral("12.13MiB"), QStringLiteral("854x480")},
                   {134, QStringLiteral("7.53MiB"), QStringLiteral("640x360")},
                   {133, QStringLiteral("4.07MiB"), QStringLiteral("426x240")}};
    QTest::newRow("box-drawing table with a GiB estimate")
        << testData(QStringLiteral("listings/09-ytdlp-2025-premium-gib-tail.txt"))
        << Records{{96, QStringLiteral("1.59GiB"), QStringLiteral("1920x1080")},
                   {356, QStringLiteral("651.57MiB"), QStringLiteral("1920x1080")},
                   {721, QStringLiteral("436.50MiB"), QStringLiteral("1920x1080")},
                   {137, QStringLiteral("434.08MiB"), QStringLiteral("1920x1080")},
                   {248, QStringLiteral("294.68MiB"), QStringLiteral("1920x1080")},
                   {399, QStringLiteral("253.11MiB"), QStringLiteral("1920x1080")},
                   {247, QStringLiteral("164.10MiB"), QStringLiteral("1280x720")},
                   {398, QStringLiteral("134.60MiB"), QStringLiteral("1280x720")}};
    QTest::newRow("shorts listing in KiB")
        << testData(QStringLiteral("listings/11-ytdlp-2023-shorts-vertical-kib.txt"))
        << Records{{278, QStringLiteral("627.79KiB"), QStringLiteral("144x256")}};
    QTest::newRow("local yt-dlp, table and compat layout of the same formats")
        << testData(QStringLiteral("listings/13-local-ytdlp-2023.03.04-piped-F-and-compat-old.txt"))
        << Records{{18, QStringLiteral("15.60MiB"), QStringLiteral("640x360")},
                   {137, QStringLiteral("1.34MiB"), QStringLiteral("1920x1080")}};

    QTest::newRow("only audio: the first numbered line, without size")
        << QStringLiteral("ID EXT\n251 webm audio only | 3.10MiB\n140 m4a audio only | 2.00MiB\n")
        << Records{{251, {}, {}}};
    QTest::newRow("same code: the lower tier wins")
        << QStringLiteral("137-drc mp4 640x360 | 2.00MiB video only\n"
                          "137 mp4 1280x720 | ~ 3.00MiB\n")
        << Records{{137, QStringLiteral("3.00MiB"), QStringLiteral("1280x720")}};
    QTest::newRow("same code and tier: the earlier line wins")
        << QStringLiteral("22 webm 100x100 | 1.00MiB\n22-1 webm 200x200 | 2.00MiB\n")
        << Records{{22, QStringLiteral("1.00MiB"), QStringLiteral("100x100")}};
    QTest::newRow("code 0 and codes beyond 32 bits are skipped")
        << QStringLiteral("0 mp4 1x1 | 1.00MiB\n4294967296 mp4 2x2 | 2.00MiB\n"
                          "4294967295 mp4 3x3 | 3.00MiB\n")
        << Records{{4294967295u, QStringLiteral("3.00MiB"), QStringLiteral("3x3")}};
    QTest::newRow("approximate size without its sign")
        << QStringLiteral("18 mp4 640x360 | \u2248 9.60MiB\n")
        << Records{{18, QStringLiteral("9.60MiB"), QStringLiteral("640x360")}};
    QTest::newRow("GiB before MiB before KiB")
        << QStringLiteral("1 mp4 a | 900KiB\n2 mp4 b | 700MiB\n3 mp4 c | 1.5GiB\n")
        << Records{{3, QStringLiteral("1.5GiB"), QStringLiteral("c")},
                   {2, QStringLiteral("700MiB"), QStringLiteral("b")},
                   {1, QStringLiteral("900KiB"), QStringLiteral("a")}};
    QTest::newRow("lower-case unit is no size") << QStringLiteral("18 mp4 640x360 | 5.00mib\n")
                                                << Records{{18, {}, QStringLiteral("640x360")}};
    QTest::newRow("resolution only from before the first bar")
        << QStringLiteral("18 mp4 | 640x360 1.00MiB\n")
        << Records{{18, QStringLiteral("1.00MiB"), {}}};
    QTest::newRow("twelve formats keep the eleven largest")
        << twelveFormats()
        << Records{{112, QStringLiteral("12.00MiB"), QStringLiteral("120x120")},
                   {111, QStringLiteral("11.00MiB"), QStringLiteral("110x110")},
                   {110, QStringLiteral("10.00MiB"), QStringLiteral("100x100")},
                   {109, QStringLiteral("9.00MiB"), QStringLiteral("90x90")},
                   {108, QStringLiteral("8.00MiB"), QStringLiteral("80x80")},
                   {107, QStringLiteral("7.00MiB"), QStringLiteral("70x70")},
                   {106, QStringLiteral("6.00MiB"), QStringLiteral("60x60")},
                   {105, QStringLiteral("5.00MiB"), QStringLiteral("50x50")},
                   {104, QStringLiteral("4.00MiB"), QStringLiteral("40x40")},
                   {103, QStringLiteral("3.00MiB"), QStringLiteral("30x30")},
                   {102, QStringLiteral("2.00MiB"), QStringLiteral("20x20")}};
    // Rows that tell apart what the resolution alone does not.
    const auto traits = [](uint code, const char *size, const char *resolution,
                           const char *container, const char *codec, const char *fps,
                           const char *hdr = "") {
        return FormatRecord{code,
                            QLatin1String(size),
                            QLatin1String(resolution),
                            QLatin1String(container),
                            QLatin1String(codec),
                            QLatin1String(fps),
                            QLatin1String(hdr)};
    };
    QTest::newRow("traits: containers, codecs, frame rates, HDR")
        << testData(QStringLiteral("listings/15-local-ytdlp-2023.03.04-codecs-fps-hdr.txt"))
        << Records{traits(699, "76.29MiB", "1920x1080", "mp4", "av01.0.09M.10", "60", "HDR10"),
                   traits(299, "66.76MiB", "1920x1080", "mp4", "avc1.64002a", "60"),
                   traits(303, "47.68MiB", "1920x1080", "webm", "vp9", "60"),
                   traits(137, "40.05MiB", "1920x1080", "mp4", "avc1.640028", "30"),
                   traits(248, "28.61MiB", "1920x1080", "webm", "vp9", "30"),
                   traits(136, "19.07MiB", "1280x720", "mp4", "avc1.4d401f", "30"),
                   traits(247, "15.26MiB", "1280x720", "webm", "vp9", "30")};
    QTest::newRow("traits: box-drawing table without its heading")
        << QStringLiteral("247     webm  1280x720    30    │  164.10MiB  708k https │ vp9     "
                          "       708k video only          720p, TV, webm_dash\n")
        << Records{traits(247, "164.10MiB", "1280x720", "webm", "vp9", "30")};
    QTest::newRow("traits: older layout, in the note")
        << QStringLiteral("137          mp4        1920x1080   1080p, avc1.640028@2000k, 25fps, "
                          "video only, 1.34MiB\n")
        << Records{traits(137, "1.34MiB", "1920x1080", "mp4", "avc1.640028", "25")};
    QTest::newRow("an error message gives nothing")
        << QStringLiteral("ERROR: [youtube] abc: Video unavailable\n") << Records{};
    QTest::newRow("empty output") << QString() << Records{};
}

void TestParsers::formatList()
{
    QFETCH(QString, output);
    QFETCH(Records, expected);
    const FormatList list = parseFormatList(output);
    const bool traits = std::any_of(expected.cbegin(), expected.cend(),
                                    [](const FormatRecord &r) { return !r.container.isEmpty(); });
    QCOMPARE(describe(recordsInViewOrder(list), traits), describe(expected, traits));
    QCOMPARE(list.formats.size(), list.viewOrder.size());
}

void TestParsers::formatListInvariants_data()
{
    QTest::addColumn<QString>("output");
    for (const char *name : {"listings/01-ytdl-2015-old-style-complete.txt",
                             "listings/07-ytdlp-piped-ascii-multilang-140-N.txt",
                             "listings/09-ytdlp-2025-premium-gib-tail.txt",
                             "listings/13-local-ytdlp-2023.03.04-piped-F-and-compat-old.txt"}) {
        const QString text = testData(QLatin1String(name));
        QTest::newRow(name) << text;
        QTest::addRow("%s with CRLF", name)
            << QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        QTest::addRow("%s twice", name) << text + text;
    }
    QTest::newRow("binary garbage") << QString::fromLatin1(
        QByteArray("\x01\x02"
                   "12\xff\xfe 3 | 4\x00 99999999999999999999 | 1MiB\n7\t\t\n",
                   40));
}

// Whatever the listing, the offer stays consistent.
void TestParsers::formatListInvariants()
{
    QFETCH(QString, output);
    const FormatList list = parseFormatList(output);
    QVERIFY(list.viewOrder.size() <= maxOfferedFormats);
    QCOMPARE(list.formats.size(), list.viewOrder.size());
    for (uint code : list.viewOrder) {
        QVERIFY(code != 0);
        QVERIFY(list.formats.contains(code));
        QCOMPARE(list.formats.value(code).code, code);
    }
    for (int i = 1; i < list.viewOrder.size(); ++i)
        QVERIFY(::sizeToBytes(list.formats.value(list.viewOrder.at(i - 1)).size) >=
                ::sizeToBytes(list.formats.value(list.viewOrder.at(i)).size));
}

void TestParsers::sizeToBytes_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<double>("mib"); // for the table's sorting; -1: not checked
    QTest::newRow("GiB") << QStringLiteral("1.5GiB") << qint64(1610612736) << 1536.0;
    QTest::newRow("MiB") << QStringLiteral("700MiB") << qint64(734003200) << 700.0;
    QTest::newRow("KiB truncated")
        << QStringLiteral("627.79KiB") << qint64(642856) << 627.79 / 1024;
    QTest::newRow("unit any case") << QStringLiteral("2gib") << qint64(2147483648) << 2048.0;
    QTest::newRow("no unit") << QStringLiteral("12") << qint64(12) << -1.0;
    QTest::newRow("empty") << QString() << qint64(0) << 0.0;
    QTest::newRow("no number") << QStringLiteral("MiB") << qint64(0) << 0.0;
    QTest::newRow("two points") << QStringLiteral("1.2.3MiB") << qint64(0) << 0.0;
    QTest::newRow("huge saturates")
        << QStringLiteral("99999999999999999999GiB") << std::numeric_limits<qint64>::max() << -1.0;
}

void TestParsers::sizeToBytes()
{
    QFETCH(QString, size);
    QFETCH(qint64, bytes);
    QFETCH(double, mib);
    QCOMPARE(::sizeToBytes(size), bytes);
    if (mib >= 0)
        QVERIFY2(qAbs(sizeToMiB(size) - mib) < 1e-9, qPrintable(QString::number(sizeToMiB(size))));
}

// The table model over the engine's records, checked by Qt's own model tester too.
void TestParsers::formatTableModel()
{
    QHash<uint, FormatRecord> formats{
        {137, {137, QStringLiteral("9.60MiB"), QStringLiteral("1920x1080")}},
        {18, {18, QString(), QStringLiteral("640x360")}}};
    QList<uint> order{137, 18};
    FormatTableModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    model.setFormats(&formats, &order);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), int(FormatTableModel::ColumnCount));

    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers.append(model.headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headers,
             (QStringList{QStringLiteral("Type"), QStringLiteral("ID."),
                          QStringLiteral("Resolution"), QStringLiteral("Size"), QString()}));
    QCOMPARE(model.index(0, FormatTableModel::CodeColumn).data().toUInt(), 137u);
    QCOMPARE(model.index(0, FormatTableModel::ResolutionColumn).data().toString(),
             QStringLiteral("1920x1080"));
    QCOMPARE(model.index(0, FormatTableModel::SizeColumn).data().toString(),
             QStringLiteral("9.60MiB"));
    QCOMPARE(model.index(0, FormatTableModel::SizeColumn).data(Qt::UserRole).toDouble(), 9.6);
    QCOMPARE(model.index(1, FormatTableModel::SizeColumn).data(Qt::UserRole).toDouble(), 0.0);
    QCOMPARE(model.index(1, FormatTableModel::SizeColumn).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    // The icons are the engine's own: no window needs to be linked for them.
    QVERIFY(!model.index(1, FormatTableModel::TypeColumn)
                 .data(Qt::DecorationRole)
                 .value<QPixmap>()
                 .isNull());
    QVERIFY(!model.index(1, FormatTableModel::DownloadColumn)
                 .data(Qt::DecorationRole)
                 .value<QPixmap>()
                 .isNull());
    QVERIFY(!model.index(1, FormatTableModel::ResolutionColumn).data(Qt::DecorationRole).isValid());

    order.append(999); // a code without a record shows nothing
    model.setFormats(&formats, &order);
    QVERIFY(!model.index(2, FormatTableModel::CodeColumn).data().isValid());
}

void TestParsers::metadata_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QTime>("duration");

    const QString title = QStringLiteral("Test Video Title");
    const QStringList hourAndMinute =
        testData(QStringLiteral("metadata/11-local-get-title-duration-1h-and-sub-minute.txt"))
            .split(QLatin1Char('\n'));
    const QStringList liveAndMissing =
        testData(QStringLiteral("metadata/12-local-get-title-duration-live-and-missing.txt"))
            .split(QLatin1Char('\n'));

    QTest::newRow("213 seconds") << testData(QStringLiteral(
                                        "metadata/10-local-get-title-duration-213s.txt"))
                                 << int(Metadata::Ok) << title << QTime(0, 3, 33);
    QTest::newRow("one hour and more") << hourAndMinute.mid(0, 2).join(QLatin1Char('\n'))
                                       << int(Metadata::Ok) << title << QTime(1, 2, 3);
    QTest::newRow("bare seconds") << hourAndMinute.mid(2, 2).join(QLatin1Char('\n'))
                                  << int(Metadata::Ok) << title << QTime(0, 0, 59);
    QTest::newRow("live stream: no duration line")
        << liveAndMissing.at(0) + QLatin1Char('\n') << int(Metadata::TooFewLines) << QString()
        << QTime();
    QTest::newRow("no duration field") << liveAndMissing.at(1) + QLatin1Char('\n')
                                       << int(Metadata::TooFewLines) << QString() << QTime();

    QTest::newRow("minutes with empty seconds")
        << QStringLiteral("A\n5:\n") << int(Metadata::Ok) << QStringLiteral("A") << QTime(0, 5, 0);
    QTest::newRow("notice before the answer")
        << QStringLiteral("Some notice\n  Spaced Title \n1:02:03\n") << int(Metadata::Ok)
        << QStringLiteral("Spaced Title") << QTime(1, 2, 3);
    QTest::newRow("windows line ends") << QStringLiteral("Title\r\n1:02\r\n") << int(Metadata::Ok)
                                       << QStringLiteral("Title") << QTime(0, 1, 2);
    QTest::newRow("empty lines dropped")
        << QStringLiteral("\n\nTitle\n\n45\n\n") << int(Metadata::Ok) << QStringLiteral("Title")
        << QTime(0, 0, 45);
    QTest::newRow("25 hours wrap") << QStringLiteral("T\n90000\n") << int(Metadata::Ok)
                                   << QStringLiteral("T") << QTime(1, 0, 0);
    QTest::newRow("text field counts as 0") << QStringLiteral("T\n1:xx:07\n") << int(Metadata::Ok)
                                            << QStringLiteral("T") << QTime(1, 0, 7);
    QTest::newRow("largest number wraps, no overflow")
        << QStringLiteral("T\n4294967295\n") << int(Metadata::Ok) << QStringLiteral("T")
        << QTime(6, 28, 15);
    QTest::newRow("four fields") << QStringLiteral("T\n1:2:3:4\n") << int(Metadata::BadDuration)
                                 << QString() << QTime();
    QTest::newRow("single line") << QStringLiteral("Only a title\n") << int(Metadata::TooFewLines)
                                 << QString() << QTime();
    QTest::newRow("empty") << QString() << int(Metadata::TooFewLines) << QString() << QTime();
}

void TestParsers::metadata()
{
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, title);
    QFETCH(QTime, duration);
    const Metadata result = parseMetadata(output);
    QCOMPARE(int(result.status), status);
    if (result.status == Metadata::Ok) {
        QCOMPARE(result.title, title);
        QCOMPARE(result.duration, duration);
    }
}

void TestParsers::progress_data()
{
    // The percentage comes from the first progress line of a chunk, the details line from
    // the latest reading in it.
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::addColumn<QString>("details"); // empty: no reading
    QTest::newRow("fraction truncated")
        << QStringLiteral("[download]   45.3% of 10.00MiB at 1.00MiB/s ETA 00:05\n")
        << std::optional(45) << QStringLiteral("4.5 MiB of 10.0 MiB · 1.0 MiB/s · 0:05 left");
    QTest::newRow("99.2 counts as done")
        << QStringLiteral("[download]  99.2% of 1MiB\n") << std::optional(100)
        << QStringLiteral("1,015.8 KiB of 1.0 MiB");
    QTest::newRow("100") << QStringLiteral("[download] 100% of 8.71MiB in 00:08\n")
                         << std::optional(100) << QStringLiteral("8.7 MiB of 8.7 MiB");
    QTest::newRow("first of two lines")
        << QStringLiteral("[download]  10.0% of 1MiB\n[download]  20.0% of 1MiB\n")
        << std::optional(10) << QStringLiteral("204.8 KiB of 1.0 MiB");
    QTest::newRow("updates separated by CR only")
        << QStringLiteral("\r[download]  12.5% of 1MiB\r[download]  13.5% of 1MiB")
        << std::optional(12) << QStringLiteral("138.2 KiB of 1.0 MiB");
    QTest::newRow("line cut off at the chunk's end")
        << QStringLiteral(
               "\r[download]  12.5% of 1MiB at 2.00MiB/s ETA 01:02:03\r[download]  13.5% of 1Mi")
        << std::optional(12) << QStringLiteral("128.0 KiB of 1.0 MiB · 2.0 MiB/s · 1:02:03 left");
    QTest::newRow("estimated size, fragments, unknown time")
        << QStringLiteral("[download]  50.0% of ~ 2.00GiB at Unknown B/s ETA Unknown (frag 3/20)\n")
        << std::optional(50) << QStringLiteral("1.0 GiB of 2.0 GiB");
    QTest::newRow("line without percent skipped")
        << QStringLiteral("[download] Destination: a.mp4\n[download]  7.0% of 1MiB\n")
        << std::optional(7) << QStringLiteral("71.7 KiB of 1.0 MiB");
    QTest::newRow("percent without number")
        << QStringLiteral("[download] Destination: 50% off.mp4\n") << std::optional(0) << QString();
    QTest::newRow("negative clamps to 0")
        << QStringLiteral("[download] -5%\n") << std::optional(0) << QString();
    QTest::newRow("nan is 0") << QStringLiteral("[download] nan%\n") << std::optional(0)
                              << QString();
    QTest::newRow("leading blanks")
        << QStringLiteral("   [download]   3.0%\n") << std::optional(3) << QString();
    QTest::newRow("merging") << QStringLiteral("[Merger] Merging formats into \"a.mp4\"\n")
                             << std::optional<int>() << QStringLiteral("Merging video and audio…");
    QTest::newRow("marker case matters")
        << QStringLiteral("[Download] 12% of 1MiB\n") << std::optional<int>() << QString();
    QTest::newRow("marker must lead")
        << QStringLiteral("x [download] 12% of 1MiB\n") << std::optional<int>() << QString();
    QTest::newRow("unknown total size")
        << QStringLiteral("[download]    1.00KiB at  Unknown B/s (00:00:00)\n")
        << std::optional<int>() << QStringLiteral("1.0 KiB");
    QTest::newRow("empty") << QString() << std::optional<int>() << QString();
}

void TestParsers::progress()
{
    QFETCH(QString, chunk);
    QFETCH(std::optional<int>, expected);
    QFETCH(QString, details);
    DownloadProgress progress;
    const bool read = progress.take(chunk);
    QCOMPARE(progress.chunkPercent(), expected);
    QCOMPARE(read ? describeProgress(progress.reading()) : QString(), details);
}

void TestParsers::progressOverRealDownloads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QList<int>>("reported");
    QTest::addColumn<QStringList>("details"); // the first and the last reading
    QTest::addColumn<QString>("listing");     // whose sizes the whole download's reading uses
    QTest::addColumn<QList<int>>("overall");  // the whole download's percentages, as they change
    QTest::addColumn<QStringList>("overallDetails"); // its first and last reading
    const QChar newline = QLatin1Char('\n');
    QTest::newRow("one line per update")
        << QStringLiteral("progress/01-ytdlp-2022-progress-newlines-final-line.txt") << newline
        << QList<int>{22, 41, 51, 66, 74, 88, 100, 100}
        << QStringList{QStringLiteral("2.0 MiB of 8.7 MiB · 1.5 MiB/s · 0:04 left"),
                       QStringLiteral("8.7 MiB of 8.7 MiB")}
        << QString() << QList<int>{22, 41, 51, 66, 74, 88, 100}
        << QStringList{QStringLiteral("2.0 MiB of 8.7 MiB · 1.5 MiB/s · 0:04 left"),
                       QStringLiteral("8.7 MiB of 8.7 MiB")};
    QTest::newRow("two files and a merge")
        << QStringLiteral("progress/07-local-ytdlp-2023.03.04-newline-merge-already-downloaded.txt")
        << newline << QList<int>{0,   0, 0, 1, 2, 4, 9,  18, 37, 74,  100,
                                 100, 0, 0, 2, 4, 9, 19, 40, 80, 100, 100}
        << QStringList{QStringLiteral("1.4 KiB of 1.3 MiB · 735.6 KiB/s · 0:01 left"),
                       QStringLiteral("Merging video and audio…")}
        << QString() << QList<int>{0, 1, 2, 4, 9, 18, 37, 50, 81, 82, 83, 84, 88, 96, 100}
        << QStringList{QStringLiteral("1.4 KiB · 735.6 KiB/s"),
                       QStringLiteral("Merging video and audio…")};
    QTest::newRow("unknown total size")
        << QStringLiteral("progress/09-local-ytdlp-2023.03.04-unknown-total-size.txt") << newline
        << QList<int>{100}
        << QStringList{QStringLiteral("1.0 KiB"), QStringLiteral("1.7 MiB of 1.7 MiB · 1.2 MiB/s")}
        << QString() << QList<int>{0, 100}
        << QStringList{QStringLiteral("1.0 KiB"), QStringLiteral("1.7 MiB of 1.7 MiB · 1.2 MiB/s")};
    QTest::newRow("two files, their sizes from the listing")
        << QStringLiteral("progress/07-local-ytdlp-2023.03.04-newline-merge-already-downloaded.txt")
        << newline << QList<int>{0,   0, 0, 1, 2, 4, 9,  18, 37, 74,  100,
                                 100, 0, 0, 2, 4, 9, 19, 40, 80, 100, 100}
        << QStringList{QStringLiteral("1.4 KiB of 1.3 MiB · 735.6 KiB/s · 0:01 left"),
                       QStringLiteral("Merging video and audio…")}
        << QStringLiteral("listings/13-local-ytdlp-2023.03.04-piped-F-and-compat-old.txt")
        << QList<int>{0, 1, 3, 7, 15, 30, 60, 81, 82, 83, 84, 88, 96, 100}
        << QStringList{QStringLiteral("1.4 KiB of 1.6 MiB · 735.6 KiB/s · 0:03 left"),
                       QStringLiteral("Merging video and audio…")};
    // Into a pipe the tool separates updates by CR only: read at once, they are one line.
    QTest::newRow("CR updates read in one piece")
        << QStringLiteral("progress/06-local-ytdlp-2023.03.04-piped-raw-cr.txt") << newline
        << QList<int>{0}
        << QStringList{QStringLiteral("1.7 MiB of 1.7 MiB · 598.6 KiB/s"),
                       QStringLiteral("1.7 MiB of 1.7 MiB · 598.6 KiB/s")}
        << QString() << QList<int>{100}
        << QStringList{QStringLiteral("1.7 MiB of 1.7 MiB · 598.6 KiB/s"),
                       QStringLiteral("1.7 MiB of 1.7 MiB · 598.6 KiB/s")};
    QTest::newRow("CR updates read as they are written")
        << QStringLiteral("progress/06-local-ytdlp-2023.03.04-piped-raw-cr.txt") << QChar(u'\r')
        << QList<int>{0, 0, 0, 0, 1, 3, 7, 15, 30, 60, 95, 100, 100}
        << QStringList{QStringLiteral("1.7 KiB of 1.7 MiB · 560.7 KiB/s · 0:03 left"),
                       QStringLiteral("1.7 MiB of 1.7 MiB · 598.6 KiB/s")}
        << QString() << QList<int>{0, 1, 3, 7, 15, 30, 60, 95, 100}
        << QStringList{QStringLiteral("1.7 KiB of 1.7 MiB · 560.7 KiB/s · 0:03 left"),
                       QStringLiteral("1.7 MiB of 1.7 MiB · 598.6 KiB/s")};
}

// The file fed to the parsers in the chunks the tool writes.
void TestParsers::progressOverRealDownloads()
{
    QFETCH(QString, file);
    QFETCH(QChar, separator);
    QFETCH(QList<int>, reported);
    QFETCH(QStringList, details);
    QFETCH(QString, listing);
    QFETCH(QList<int>, overall);
    QFETCH(QStringList, overallDetails);
    // Each chunk's first percentage as the engine reads the stream; the tool's own reading
    // of each chunk, alone.
    QList<int> values;
    QStringList readings;
    DownloadProgress stream;
    for (const QString &piece : testData(file).split(separator)) {
        stream.take(separator + piece);
        if (const std::optional<int> value = stream.chunkPercent())
            values.append(*value);
        DownloadProgress alone;
        if (alone.take(separator + piece))
            readings.append(describeProgress(alone.reading()));
    }
    QCOMPARE(values, reported);
    QVERIFY(!readings.isEmpty());
    QCOMPARE((QStringList{readings.first(), readings.last()}), details);

    // The whole download of the first run in the file, all its parts together.
    QString firstRun = testData(file);
    const qsizetype second =
        firstRun.indexOf(QLatin1String("\n[info]"), firstRun.indexOf(QLatin1String("[download]")));
    if (second > 0)
        firstRun.truncate(second + 1);
    DownloadProgress whole(listing.isEmpty() ? QHash<uint, qint64>()
                                             : parseFormatList(testData(listing)).sizes);
    QList<int> percents;
    QStringList wholeReadings;
    for (const QString &piece : firstRun.split(separator)) {
        if (!whole.take(separator + piece))
            continue;
        const ProgressDetails reading = whole.reading();
        if (reading.percent && (percents.isEmpty() || percents.last() != *reading.percent))
            percents.append(*reading.percent);
        wholeReadings.append(describeProgress(reading));
    }
    QCOMPARE(percents, overall);
    QVERIFY(std::is_sorted(percents.cbegin(), percents.cend()));
    QCOMPARE(percents.last(), 100);
    QCOMPARE((QStringList{wholeReadings.first(), wholeReadings.last()}), overallDetails);
}

void TestParsers::toolErrorAdvice_data()
{
    // The tool's "ERROR:" lines: the site's own reasons as the tool passes them on, and
    // the network failures as the tool printed them here against unreachable addresses.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("advice"); // its first words; empty: none
    const QString id = QStringLiteral("ERROR: [youtube] abc123XYZ_0: ");
    QTest::newRow("private") << id + QStringLiteral("Private video. Sign in if you've been "
                                                    "granted access to this video")
                             << QStringLiteral("This video is private");
    QTest::newRow("not a bot") << id + QStringLiteral("Sign in to confirm you\u2019re not a bot. "
                                                      "Use --cookies-from-browser or --cookies "
                                                      "for the authentication.")
                               << QStringLiteral("The site asks to sign in");
    QTest::newRow("age") << id + QStringLiteral("Sign in to confirm your age. This video may be "
                                                "inappropriate for some users.")
                         << QStringLiteral("This video has an age limit");
    QTest::newRow("members") << id + QStringLiteral("Join this channel to get access to "
                                                    "members-only content like this video, and "
                                                    "other exclusive perks.")
                             << QStringLiteral("This video is for the channel's paying members");
    QTest::newRow("removed") << id + QStringLiteral("Video unavailable. This video has been "
                                                    "removed by the uploader")
                             << QStringLiteral("This video has been removed");
    QTest::newRow("country") << id + QStringLiteral("Video unavailable. The uploader has not made "
                                                    "this video available in your country")
                             << QStringLiteral("This video is not available in your country");
    QTest::newRow("live not begun") << id + QStringLiteral("This live event will begin in 3 hours.")
                                    << QStringLiteral("This live stream or premiere");
    QTest::newRow("premiere") << id + QStringLiteral("Premieres in 2 hours")
                              << QStringLiteral("This live stream or premiere");
    QTest::newRow("no name resolution")
        << QStringLiteral("ERROR: [generic] None: Unable to download webpage: <urlopen error "
                          "[Errno -2] Name or service not known> (caused by "
                          "URLError(gaierror(-2, 'Name or service not known')))")
        << QStringLiteral("The site could not be reached");
    QTest::newRow("connection refused")
        << QStringLiteral("ERROR: [generic] None: Unable to download webpage: <urlopen error "
                          "[Errno 111] Connection refused> (caused by "
                          "URLError(ConnectionRefusedError(111, 'Connection refused')))")
        << QStringLiteral("The site could not be reached");
    QTest::newRow("403") << QStringLiteral("ERROR: unable to download video data: HTTP Error 403: "
                                           "Forbidden")
                         << QStringLiteral("The site turned the request away");
    QTest::newRow("429") << QStringLiteral("ERROR: [generic] None: Unable to download webpage: "
                                           "HTTP Error 429: Too Many Requests (caused by "
                                           "<HTTPError 429: 'Too Many Requests'>)")
                         << QStringLiteral("The site turned the request away");
    // An old yt-dlp ends in a traceback, whose last line the engine keeps; a newer one says
    // the same in an error line.
    QTest::newRow("no profile, old yt-dlp")
        << QStringLiteral("Traceback (most recent call last):\n"
                          "  File \"/usr/lib/python3/dist-packages/yt_dlp/cookies.py\", line 119, "
                          "in _extract_firefox_cookies\n"
                          "    raise FileNotFoundError(f'could not find firefox cookies database "
                          "in {search_root}')\n"
                          "FileNotFoundError: could not find firefox cookies database in "
                          "/home/u/.mozilla/firefox\n")
        << QStringLiteral("The browser's cookies could not be read: no profile of that browser "
                          "was found.");
    QTest::newRow("no profile") << QStringLiteral(
                                       "ERROR: could not find chromium cookies database in "
                                       "\"/home/u/.config/chromium\"")
                                << QStringLiteral("The browser's cookies could not be read");
    QTest::newRow("410") << QStringLiteral("ERROR: unable to download video data: HTTP Error 410: "
                                           "Gone")
                         << QStringLiteral("The site turned the request away");
    QTest::newRow("format gone")
        << id + QStringLiteral("Requested format is not available. Use --list-formats for a list "
                               "of available formats")
        << QStringLiteral("The site no longer offers the chosen format");
    QTest::newRow("fragment gone")
        << QStringLiteral("ERROR: fragment 3 not found, unable to continue")
        << QStringLiteral("A part of the video could not be fetched");
    QTest::newRow("precondition")
        << id + QStringLiteral("Unable to download API page: HTTP Error 400: Bad Request (caused "
                               "by <HTTPError 400: 'Precondition check failed'>)")
        << QStringLiteral("The site has changed in a way");
    QTest::newRow("signature") << id + QStringLiteral("Signature extraction failed: Some formats "
                                                      "may be missing")
                               << QStringLiteral("The site has changed in a way");
    QTest::newRow("nsig") << id + QStringLiteral("nsig extraction failed: Some formats may be "
                                                 "missing")
                          << QStringLiteral("The site has changed in a way");
    QTest::newRow("unable to extract")
        << id + QStringLiteral("Unable to extract yt initial data; please report this issue on  "
                               "https://github.com/yt-dlp/yt-dlp/issues?q= , filling out the "
                               "appropriate issue template. Confirm you are on the latest version "
                               "using  yt-dlp -U")
        << QStringLiteral("The site has changed in a way");
    QTest::newRow("no formats") << id + QStringLiteral("No video formats found!; please report "
                                                       "this issue on  https://github.com/yt-dlp")
                                << QStringLiteral("The site offered no format");
    // What the launcher tried comes first, told in the lines it writes for the engine.
    const auto told = [](ToolFailure::Step step, const char *detail = "") {
        return QString::fromUtf8(ToolFailure::noteLine({step, QLatin1String(detail)})) +
               QLatin1Char('\n');
    };
    QTest::newRow("refused after an update")
        << told(ToolFailure::Step::LookingForUpdate) +
               told(ToolFailure::Step::Updated, "2026.09.01") +
               QStringLiteral("ERROR: unable to download video data: HTTP Error 403: Forbidden")
        << QStringLiteral("yt-dlp 2026.09.01 was installed and the download tried again; the "
                          "site still refuses it. The site turned the request away for now. Try "
                          "again later, or choose cookies from a signed-in browser.");
    QTest::newRow("after the nightly build")
        << told(ToolFailure::Step::NoUpdate) + told(ToolFailure::Step::Nightly) +
               told(ToolFailure::Step::Nightly, "2026.09.02.012345") + id +
               QStringLiteral("Signature extraction failed: Some formats may be missing")
        << QStringLiteral("yt-dlp's nightly build 2026.09.02.012345 was installed");
    QTest::newRow("current, stable channel")
        << told(ToolFailure::Step::LookingForUpdate) + told(ToolFailure::Step::NoUpdate) + id +
               QStringLiteral("Signature extraction failed: Some formats may be missing")
        << QStringLiteral("Clipmoor found no newer yt-dlp than the one it has. The site has "
                          "changed");
    QTest::newRow("asked again") << told(ToolFailure::Step::FreshExtraction) + id +
                                        QStringLiteral("Requested format is not available")
                                 << QStringLiteral("Clipmoor asked the site for the video again");
    QTest::newRow("unknown") << QStringLiteral("ERROR: Postprocessing: Conversion failed!")
                             << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestParsers::toolErrorAdvice()
{
    QFETCH(QString, line);
    QFETCH(QString, advice);
    // Read as the engine reads the tool's standard error.
    QObject owner;
    ToolRun run(ToolRuns::Kind::Download, &owner);
    run.takeStandardError(line.toUtf8(), true);
    const QString given = ::toolErrorAdvice(run.lastError, run.steps, QString());
    QVERIFY2(advice.isEmpty() ? given.isEmpty() : given.startsWith(advice), qPrintable(given));
}

void TestParsers::acceptAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("watch address") << QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0")
                                   << QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0");
    QTest::newRow("ab_channel removed, other items kept")
        << QStringLiteral("https://www.youtube.com/watch?v=abc&ab_channel=Someone&t=10")
        << QStringLiteral("https://www.youtube.com/watch?v=abc&t=10");
    QTest::newRow("no scheme, no www")
        << QStringLiteral("youtube.com/watch?v=abc") << QStringLiteral("youtube.com/watch?v=abc");
    QTest::newRow("upper case") << QStringLiteral("HTTPS://WWW.YOUTUBE.COM/WATCH?V=ABC")
                                << QStringLiteral("https://www.youtube.com/WATCH?V=ABC");
    QTest::newRow("shorts") << QStringLiteral("https://youtube.com/shorts/Xy-9")
                            << QStringLiteral("https://youtube.com/shorts/Xy-9");
    QTest::newRow("short link with query") << QStringLiteral("https://youtu.be/abc?si=x")
                                           << QStringLiteral("https://youtu.be/abc?si=x");
    QTest::newRow("short link without ID") << QStringLiteral("https://youtu.be/") << QString();
    QTest::newRow("v not the first item")
        << QStringLiteral("https://www.youtube.com/watch?feature=x&v=abc") << QString();
    QTest::newRow("dot must be a dot")
        << QStringLiteral("https://youtubeXcom/watch?v=abc") << QString();
    QTest::newRow("other site") << QStringLiteral("https://example.com/watch?v=abc") << QString();
    QTest::newRow("ID must be ASCII word characters")
        << QStringLiteral("https://youtu.be/\u00e9t\u00e9") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blank") << QStringLiteral("   ") << QString();
    // The start looks right, but the tool would be sent elsewhere or into a search.
    QTest::newRow("watch with an address as ID")
        << QStringLiteral("https://www.youtube.com/watch?v=http://127.0.0.1:8000/page.html")
        << QString();
    QTest::newRow("short link with a search")
        << QStringLiteral("https://youtu.be/ytsearch:some words") << QString();
    QTest::newRow("shorts with an address")
        << QStringLiteral("https://youtube.com/shorts/http://127.0.0.1:8000/") << QString();
    QTest::newRow("ID with an encoded slash")
        << QStringLiteral("https://youtu.be/abc%2F..%2Fx") << QString();
}

void TestParsers::acceptAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    const std::optional<Address> address = Address::accept(text);
    QCOMPARE(address.has_value(), !stored.isEmpty());
    if (address)
        QCOMPARE(address->url().toString(), stored);
}

void TestParsers::toolTarget_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("canonical");
    QTest::addColumn<int>("problem");

    const QString watch = QStringLiteral("https://www.youtube.com/watch?v=");
    QTest::newRow("watch") << QStringLiteral("http://youtube.com/watch?v=abc&t=3")
                           << QStringLiteral("abc") << watch + QStringLiteral("abc")
                           << int(Address::None);
    QTest::newRow("mobile host takes the main rules")
        << QStringLiteral("https://m.youtube.com/watch?t=1&v=abc") << QStringLiteral("abc")
        << watch + QStringLiteral("abc") << int(Address::None);
    QTest::newRow("shorts") << QStringLiteral("https://www.youtube.com/shorts/Xy9")
                            << QStringLiteral("Xy9") << watch + QStringLiteral("Xy9")
                            << int(Address::None);
    QTest::newRow("short link ignores its query")
        << QStringLiteral("https://youtu.be/abc?si=x") << QStringLiteral("abc")
        << watch + QStringLiteral("abc") << int(Address::None);
    QTest::newRow("ID like an option goes as an address")
        << QStringLiteral("https://youtu.be/-rf") << watch + QStringLiteral("-rf")
        << watch + QStringLiteral("-rf") << int(Address::None);
    QTest::newRow("ID with underscore first")
        << QStringLiteral("https://youtube.com/watch?v=_x") << watch + QStringLiteral("_x")
        << watch + QStringLiteral("_x") << int(Address::None);
    QTest::newRow("watch without v")
        << QStringLiteral("https://www.youtube.com/watch?t=1")
        << QStringLiteral("https://www.youtube.com/watch?t=1") << QString() << int(Address::NoId);
    QTest::newRow("main host, other path")
        << QStringLiteral("https://youtube.com/channel/x")
        << QStringLiteral("https://youtube.com/channel/x") << QString() << int(Address::NoId);
    QTest::newRow("short link without path")
        << QStringLiteral("https://youtu.be/") << QStringLiteral("https://youtu.be/") << QString()
        << int(Address::NoId);
    QTest::newRow("ID that is an address never reaches the tool")
        << QStringLiteral("https://youtube.com/watch?v=http://127.0.0.1:8000/x") << QString()
        << QString() << int(Address::BadId);
    QTest::newRow("ID that is a search never reaches the tool")
        << QStringLiteral("https://youtu.be/ytsearch:a b") << QString() << QString()
        << int(Address::BadId);
    QTest::newRow("no scheme") << QStringLiteral("youtube.com/watch?v=abc") << QStringLiteral("abc")
                               << watch + QStringLiteral("abc") << int(Address::None);
    QTest::newRow("foreign host never reaches the tool")
        << QStringLiteral("https://example.com/v/abc") << QString() << QString()
        << int(Address::ForeignHost);
    QTest::newRow("host merely ending in the name")
        << QStringLiteral("https://notyoutube.com/watch?v=abc") << QString() << QString()
        << int(Address::ForeignHost);
}

void TestParsers::toolTarget()
{
    QFETCH(QString, address);
    QFETCH(QString, target);
    QFETCH(QString, canonical);
    QFETCH(int, problem);
    const Address result = Address::read(QUrl(address, QUrl::TolerantMode));
    QCOMPARE(result.target(), target);
    QCOMPARE(result.canonical().toString(), canonical);
    QCOMPARE(int(result.problem()), problem);
}

CLIPMOOR_TEST_MAIN(TestParsers)
#include "tst_parsers.moc"
