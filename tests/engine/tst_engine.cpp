// The engine driving a stand-in tool: argument lists, every way a run can end, stopping,
// and a tool that cannot be started.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/address.h"
#include "engine/clipmoor.h"
#include "engine/runqueue.h"
#include "platform/platform.h"
#include "tests/support/testdata.h"
#include "tests/support/testmain.h"
#include "tests/support/toolstage.h"
#include "toolruns/toolruns.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {

// Answers the metadata and format-list runs; $1 tells the runs apart.
const char answering[] = "case \"$1\" in\n"
                         "--get-title) printf 'Some Title\\n1:02:03\\n' ;;\n"
                         "--list-formats) cat \"$here/listing.txt\" ;;\n"
                         "esac\n";

// A run that waits, with a child of its own, until it is stopped.
const char waitWithChild[] = "sleep 300 & echo $! > \"$here/child.$$\"; wait; exit 0";

QString scriptFor(const QString &metadata, const QString &formats, const QString &download)
{
    return QStringLiteral("case \"$1\" in\n--get-title) %1 ;;\n--list-formats) %2 ;;\n"
                          "--no-warnings) %3 ;;\nesac\n")
        .arg(metadata, formats, download);
}

Clipmoor::Failure failureAt(const QSignalSpy &spy, int index = 0)
{
    return spy.at(index).at(0).value<Clipmoor::Failure>();
}

const QString metadataAnswer = QStringLiteral("printf 'Some Title\\n1:02:03\\n'");
const QString formatsAnswer = QStringLiteral("cat \"$here/listing.txt\"");

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

public:
    explicit TestEngine(const TestHome &home_)
        : home(home_)
        , stage(home_.dataDir())
    {
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void requestsCarryTheirArguments_data();
    void requestsCarryTheirArguments();
    void optionLikeIdGoesAsAddress();
    void completion_data();
    void completion();
    void failedDownloadKeepsToolError();
    void progressReachesListeners_data();
    void progressReachesListeners();
    void userStopDuringEachRun_data();
    void userStopDuringEachRun();
    void silentStopEndsQuietly();
    void preparingRun_data();
    void preparingRun();
    void stopWhileIdleDoesNotSpoilNextRun();
    void downloadMakesWayForRunningTool();
    void partialFilesRemoved_data();
    void partialFilesRemoved();
    void leftoverChildEndsWithItsRun_data();
    void leftoverChildEndsWithItsRun();
    void toolsEndWithTheProgram_data();
    void toolsEndWithTheProgram();
    void toolCannotStart_data();
    void toolCannotStart();
    void selfUpdate_data();
    void selfUpdate();
    void detachedSelfUpdateReportsNothing();
    void forgottenRunGoesWithTheQueue();

private:
    void startMetadata(const QString &address = QStringLiteral("https://youtu.be/abc123XYZ_0"));
    void startDownload();
    qint64 waitForRun(int count);
    bool waitForLaterReport(bool byUpdate = true);
    qint64 childOf(qint64 pid) const;

    const TestHome &home;
    ToolStage stage;
    std::unique_ptr<SessionData> session;
    std::unique_ptr<Clipmoor> engine;
    std::unique_ptr<QSignalSpy> metadataSpy, formatsSpy, videoSpy, wrongSpy, percentSpy, updateSpy;
};

void TestEngine::initTestCase()
{
    prepareOutputDir();
}

void TestEngine::init()
{
    stage.reset();
    stage.install();
    QFile::remove(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(QFile::copy(
        QStringLiteral(CLIPMOOR_TEST_DATA_DIR
                       "/listings/13-local-ytdlp-2023.03.04-piped-F-and-compat-old.txt"),
        stage.file(QStringLiteral("listing.txt"))));
    session = std::make_unique<SessionData>();
    for (const char *key : {cookiesBrowserKey, embedKey, subtitlesKey})
        session->settings->remove(QLatin1String(key));

    engine = std::make_unique<Clipmoor>(session.get());
    metadataSpy = std::make_unique<QSignalSpy>(engine.get(), &Clipmoor::haveMetadata);
    formatsSpy = std::make_unique<QSignalSpy>(engine.get(), &Clipmoor::haveFormats);
    videoSpy = std::make_unique<QSignalSpy>(engine.get(), &Clipmoor::haveVideo);
    wrongSpy = std::make_unique<QSignalSpy>(engine.get(), &Clipmoor::somethingWrong);
    percentSpy = std::make_unique<QSignalSpy>(engine.get(), &Clipmoor::percent);
    updateSpy = std::make_unique<QSignalSpy>(engine.get(), &Clipmoor::resultUpdateBinary);
}

void TestEngine::cleanup()
{
    engine->stopTool(true);
    for (qint64 pid : stage.runs())
        QTRY_VERIFY(!processRunning(pid));
    metadataSpy.reset();
    formatsSpy.reset();
    videoSpy.reset();
    wrongSpy.reset();
    percentSpy.reset();
    updateSpy.reset();
    engine.reset();
    session.reset();
}

void TestEngine::startMetadata(const QString &address)
{
    const std::optional<Address> accepted = Address::accept(address);
    QVERIFY(accepted);
    engine->requestMetadata(*accepted);
}

// A download of format 18 for a video whose target is known.
void TestEngine::startDownload()
{
    session->video.toolTarget = QStringLiteral("abc");
    engine->requestVideo(18);
}

qint64 TestEngine::waitForRun(int count)
{
    if (!waitUntil([&] { return stage.runs().size() >= count; }, 10000))
        return 0;
    return stage.runs().at(count - 1);
}

// Asks for a run now and waits for its report, which comes after the engine has handled the
// end of every run that ended before and of every stop under way (a run waits for those):
// whatever they had to report is reported by then. The run is a self-update, or else a
// metadata run, which the tests' scripts answer with no title.
bool TestEngine::waitForLaterReport(bool byUpdate)
{
    QSignalSpy &spy = byUpdate ? *updateSpy : *wrongSpy;
    const qsizetype reports = spy.size();
    if (byUpdate)
        engine->updateBinary(false);
    else
        startMetadata();
    return waitUntil([&] { return spy.size() > reports; }, 10000);
}

qint64 TestEngine::childOf(qint64 pid) const
{
    QFile file(stage.file(QStringLiteral("child.%1").arg(pid)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

void TestEngine::requestsCarryTheirArguments_data()
{
    QTest::addColumn<QString>("stored");  // the browser in the settings
    QTest::addColumn<QString>("browser"); // the browser the runs name
    QTest::addColumn<bool>("audio");      // the sound alone, else format 137
    QTest::addColumn<bool>("mp3");
    QTest::addColumn<bool>("embed");
    QTest::addColumn<QString>("subtitles"); // the language stored
    QTest::addColumn<bool>("part");         // from 1:05 to 2:10
    QTest::addColumn<QStringList>("extra"); // the options the choices add
    const QStringList none;
    const QStringList embed = {"--embed-metadata", "--embed-chapters", "--embed-thumbnail"};
    const QStringList part = {"--download-sections", "*65-130"};
    QTest::newRow("no choice made")
        << QString() << QString() << false << false << false << QString() << false << none;
    QTest::newRow("cookies from Firefox")
        << "firefox"
        << "firefox" << false << false << false << QString() << false << none;
    QTest::newRow("sound alone") << QString() << QString() << true << false << false << QString()
                                 << false << none;
    QTest::newRow("sound alone, cookies from Vivaldi")
        << "vivaldi"
        << "vivaldi" << true << false << false << QString() << false << none;
    QTest::newRow("a browser not offered")
        << "netscape" << QString() << false << false << false << QString() << false << none;
    QTest::newRow("title, chapters and cover")
        << QString() << QString() << false << false << true << QString() << false << embed;
    QTest::newRow("German subtitles")
        << QString() << QString() << false << false << false << "de" << false
        << QStringList{"--sub-langs", "de", "--convert-subs", "srt", "--embed-subs"};
    QTest::newRow("automatic English captions, cookies from Firefox")
        << "firefox"
        << "firefox" << false << false << false << "en" << false
        << QStringList{"--write-auto-subs", "--sub-langs", "en",
                       "--convert-subs",    "srt",         "--embed-subs"};
    QTest::newRow("subtitles the video lacks")
        << QString() << QString() << false << false << false << "ja" << false << none;
    QTest::newRow("no subtitles for the sound alone")
        << QString() << QString() << true << false << false << "de" << false << none;
    QTest::newRow("a part") << QString() << QString() << false << false << false << QString()
                            << true << part;
    QTest::newRow("a part of the sound as MP3, embedded")
        << QString() << QString() << true << true << true << QString() << true
        << embed + part + QStringList{"--extract-audio", "--audio-format", "mp3"};
}

void TestEngine::requestsCarryTheirArguments()
{
    QFETCH(QString, stored);
    QFETCH(QString, browser);
    QFETCH(bool, audio);
    QFETCH(bool, mp3);
    QFETCH(bool, embed);
    QFETCH(QString, subtitles);
    QFETCH(bool, part);
    QFETCH(QStringList, extra);
    session->settings->setValue(QLatin1String(cookiesBrowserKey), stored);
    session->settings->setValue(QLatin1String(embedKey), embed);
    session->settings->setValue(QLatin1String(subtitlesKey), subtitles);
    // Chat replays, names that are no language and captions repeating a language are left out.
    stage.setScript(
        scriptFor(metadataAnswer, formatsAnswer, QStringLiteral("exit 0")) +
        QStringLiteral("if [ \"$1\" = --get-thumbnail ]; then echo https://i.example/t.jpg; fi\n"
                       "if [ \"$1\" = --print ]; then\n"
                       "echo '{\"de\":[{\"ext\":\"vtt\"}],\"live_chat\":[{}],\"-x\":[{}]}'\n"
                       "echo '{\"de\":[{}],\"en\":[{}],\"fr\":[]}'; fi\n"));
    startMetadata(QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0&ab_channel=Chan"));
    QVERIFY(formatsSpy->wait(10000));
    QSignalSpy thumbnailSpy(engine.get(), &Clipmoor::haveThumbnail);
    QSignalSpy subtitlesSpy(engine.get(), &Clipmoor::haveSubtitles);
    QVERIFY(thumbnailSpy.wait(10000));
    QVERIFY(subtitlesSpy.wait(10000));
    QCOMPARE(metadataSpy->size(), 1);
    QCOMPARE(wrongSpy->size(), 0);

    const VideoInfo &video = session->video;
    QCOMPARE(video.url.toString(), QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0"));
    QCOMPARE(video.toolTarget, QStringLiteral("abc123XYZ_0"));
    QCOMPARE(video.title, QStringLiteral("Some Title"));
    QCOMPARE(video.duration, QTime(1, 2, 3));
    QCOMPARE(video.viewOrder, (QList<uint>{18, 137}));
    QCOMPARE(video.thumbnail, QUrl(QStringLiteral("https://i.example/t.jpg")));
    QCOMPARE(video.subtitles, (QList<SubtitleLanguage>{{QStringLiteral("de"), false},
                                                       {QStringLiteral("en"), true}}));

    // Every run for the video names the browser just before the target, when one is chosen.
    const QStringList cookies =
        browser.isEmpty() ? QStringList()
                          : QStringList{QStringLiteral("--cookies-from-browser"), browser};
    const QString target = QStringLiteral("abc123XYZ_0");
    const QList<qint64> runs = stage.runs();
    QCOMPARE(runs.size(), 4);
    QCOMPARE(stage.arguments(runs.at(0)),
             (QStringList{QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                          QStringLiteral("--no-warnings")} +
              cookies + QStringList{target}));
    QCOMPARE(stage.arguments(runs.at(1)),
             (QStringList{QStringLiteral("--list-formats"), QStringLiteral("--no-warnings")} +
              cookies + QStringList{target}));
    QCOMPARE(stage.arguments(runs.at(2)),
             (QStringList{QStringLiteral("--get-thumbnail"), QStringLiteral("--no-warnings")} +
              cookies + QStringList{target}));
    QCOMPARE(stage.arguments(runs.at(3)),
             (QStringList{QStringLiteral("--print"), QStringLiteral("%(subtitles)j"),
                          QStringLiteral("--print"), QStringLiteral("%(automatic_captions)j"),
                          QStringLiteral("--no-warnings")} +
              cookies + QStringList{target}));
    QCOMPARE(stage.workingDirectory(runs.at(0)), home.dataDir());
    // The launcher recognises each run the engine starts, so its cache serves them.
    QCOMPARE(ToolRuns::classify(stage.arguments(runs.at(0))), ToolRuns::Kind::Metadata);
    QCOMPARE(ToolRuns::classify(stage.arguments(runs.at(1))), ToolRuns::Kind::Listing);
    QCOMPARE(ToolRuns::classify(stage.arguments(runs.at(2))), ToolRuns::Kind::Thumbnail);
    QCOMPARE(ToolRuns::classify(stage.arguments(runs.at(3))), ToolRuns::Kind::Subtitles);

    if (part)
        session->video.part = std::make_pair(65, 130);
    if (mp3)
        engine->requestMp3();
    else if (audio)
        engine->requestAudio();
    else
        engine->requestVideo(137);
    QVERIFY(videoSpy->wait(10000));
    QCOMPARE(video.formatCode, audio ? 0u : 137u);
    // The download the engine started reads back as the launcher reads it: the one the
    // shared builder makes of the row's format, folders, choices and browser.
    const QStringList download = stage.arguments(waitForRun(5));
    QCOMPARE(ToolRuns::classify(download), ToolRuns::Kind::Download);
    QCOMPARE(ToolRuns::cookiesBrowserOf(download), browser);
    ToolRuns::DownloadChoice choice;
    choice.embed = embed;
    choice.subtitles = extra.contains(QStringLiteral("--sub-langs")) ? subtitles : QString();
    choice.automaticSubtitles = extra.contains(QStringLiteral("--write-auto-subs"));
    if (part)
        choice.part = ToolRuns::Section{65, 130};
    choice.mp3 = mp3;
    const QString folder = home.downloadsDir() + QStringLiteral("/CLM");
    QCOMPARE(
        download,
        audio ? ToolRuns::audioDownloadArguments(home.dataDir(), folder, target, browser, choice)
              : ToolRuns::downloadArguments(137, home.dataDir(), folder, target, browser, choice));
    // The choices' options, whole and in their order, just before the browser and the video.
    QCOMPARE(download.mid(download.size() - 1 - cookies.size() - extra.size(), extra.size()),
             extra);
    // A choice's options come whole, or the run is no download of ours.
    if (!extra.isEmpty()) {
        QStringList partial = download;
        partial.removeAt(partial.lastIndexOf(extra.last()));
        QCOMPARE(ToolRuns::classify(partial), ToolRuns::Kind::Other);
    }
    QCOMPARE(ToolRuns::classify(QStringList(download).replaceInStrings(
                 QStringLiteral("--force-overwrites"), QStringLiteral("--no-overwrites"))),
             ToolRuns::Kind::Other);
    // Cookies from a browser that is not offered, or named without one, are no run of ours.
    for (const QStringList &browserArguments :
         {QStringList{QStringLiteral("--cookies-from-browser"), QStringLiteral("netscape")},
          QStringList{QStringLiteral("--cookies-from-browser"), QString()}}) {
        QStringList other =
            download.mid(0, download.size() - 1 - cookies.size()) + browserArguments;
        other.append(target);
        QCOMPARE(ToolRuns::classify(other), ToolRuns::Kind::Other);
    }
}

void TestEngine::optionLikeIdGoesAsAddress()
{
    stage.setScript(QLatin1String(answering));
    startMetadata(QStringLiteral("https://youtu.be/-rf"));
    QVERIFY(formatsSpy->wait(10000));
    const QString canonical = QStringLiteral("https://www.youtube.com/watch?v=-rf");
    for (qint64 pid : stage.runs())
        QCOMPARE(stage.arguments(pid).last(), canonical);
}

void TestEngine::completion_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("download"); // else the metadata run, chained to the format list
    // "formats", "video" or the error code, followed by the tool's error line if any
    QTest::addColumn<QString>("outcome");

    const QString crash = QStringLiteral("kill -SEGV $$");
    QTest::newRow("metadata and formats")
        << QString::fromLatin1(answering) << false << QStringLiteral("formats");
    QTest::newRow("metadata exits non-zero, still parsed")
        << scriptFor(QStringLiteral("printf 'T\\n45\\n'; exit 3"), formatsAnswer, QString())
        << false << QStringLiteral("formats");
    QTest::newRow("metadata too few lines")
        << scriptFor(QStringLiteral("echo 'Only a title'"), formatsAnswer, QString()) << false
        << QStringLiteral("69");
    QTest::newRow("metadata bad duration")
        << scriptFor(QStringLiteral("printf 'T\\n1:2:3:4\\n'"), formatsAnswer, QString()) << false
        << QStringLiteral("70");
    QTest::newRow("metadata crash")
        << scriptFor(crash, formatsAnswer, QString()) << false << QStringLiteral("72");
    QTest::newRow("formats crash")
        << scriptFor(metadataAnswer, crash, QString()) << false << QStringLiteral("74");
    QTest::newRow("formats tool gone")
        << scriptFor(QStringLiteral("printf 'T\\n45\\n'; rm \"$0\""), formatsAnswer, QString())
        << false << QStringLiteral("102");
    QTest::newRow("formats fail and say why")
        << scriptFor(metadataAnswer, QStringLiteral("echo 'ERROR: gone' >&2; exit 1"), QString())
        << false << QStringLiteral("104 ERROR: gone");
    QTest::newRow("formats exit non-zero, still listed")
        << scriptFor(metadataAnswer, formatsAnswer + QStringLiteral("; exit 1"), QString()) << false
        << QStringLiteral("formats");
    QTest::newRow("metadata fails and says why")
        << scriptFor(QStringLiteral("echo 'ERROR: [youtube] abc: Private video' >&2; exit 1"),
                     formatsAnswer, QString())
        << false << QStringLiteral("69 ERROR: [youtube] abc: Private video");
    // Asked for the cookies of a browser without a profile, Debian 12's yt-dlp (2023.03.04)
    // ends in a Python traceback without an error line; its last lines, as it wrote them.
    QTest::newRow("metadata ends in a traceback")
        << scriptFor(QStringLiteral(
                         "cat >&2 <<'END'\n"
                         "Traceback (most recent call last):\n"
                         "  File \"/usr/lib/python3/dist-packages/yt_dlp/cookies.py\", line 116, "
                         "in extract_cookies_from_browser\n"
                         "    return _extract_firefox_cookies(profile, container, logger)\n"
                         "           ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^\n"
                         "  File \"/usr/lib/python3/dist-packages/yt_dlp/cookies.py\", line 141, "
                         "in _extract_firefox_cookies\n"
                         "    raise FileNotFoundError(f'could not find firefox cookies database "
                         "in {search_root}')\n"
                         "FileNotFoundError: could not find firefox cookies database in "
                         "/nonexistent/.mozilla/firefox\n"
                         "END\n"
                         "exit 1"),
                     formatsAnswer, QString())
        << false
        << QStringLiteral("69 FileNotFoundError: could not find firefox cookies database in "
                          "/nonexistent/.mozilla/firefox");
    QTest::newRow("download") << scriptFor({}, {}, QStringLiteral("exit 0")) << true
                              << QStringLiteral("video");
    QTest::newRow("download crash") << scriptFor({}, {}, crash) << true << QStringLiteral("86");
    QTest::newRow("download exits non-zero")
        << scriptFor({}, {}, QStringLiteral("exit 1")) << true << QStringLiteral("103");

    // Tools that misbehave: floods of output, binary garbage, a signal from outside.
    const QString flood = QStringLiteral("head -c 8000000 /dev/urandom");
    const QString stopped =
        QStringLiteral(" ERROR: The tool printed more than 4 MiB; it was stopped.");
    QTest::newRow("metadata floods binary garbage")
        << scriptFor(flood + QStringLiteral("; printf '\\nT\\n5\\n'"), formatsAnswer, QString())
        << false << QStringLiteral("69") + stopped;
    QTest::newRow("formats flood binary garbage")
        << scriptFor(metadataAnswer, flood, QString()) << false << QStringLiteral("104") + stopped;
    QTest::newRow("metadata prints without end")
        << scriptFor(QStringLiteral("yes 'A line'"), formatsAnswer, QString()) << false
        << QStringLiteral("69") + stopped;
    QTest::newRow("formats print without end")
        << scriptFor(metadataAnswer, QStringLiteral("yes '137 mp4 1x1 | 1MiB'"), QString()) << false
        << QStringLiteral("104") + stopped;

    QTest::newRow("download floods both outputs")
        << scriptFor({}, {}, flood + QStringLiteral("; ") + flood + QStringLiteral(" >&2; exit 0"))
        << true << QStringLiteral("video");
    QTest::newRow("download killed by a signal")
        << scriptFor({}, {}, QStringLiteral("kill -TERM $$")) << true << QStringLiteral("86");
    QTest::newRow("metadata killed by a signal")
        << scriptFor(QStringLiteral("kill -KILL $$"), formatsAnswer, QString()) << false
        << QStringLiteral("72");
}

void TestEngine::completion()
{
    QFETCH(QString, script);
    QFETCH(bool, download);
    QFETCH(QString, outcome);
    stage.setScript(script);

    if (download)
        startDownload();
    else
        startMetadata();
    QTRY_VERIFY_WITH_TIMEOUT(formatsSpy->size() + videoSpy->size() + wrongSpy->size() > 0, 10000);
    QVERIFY(waitForLaterReport()); // nothing else may follow

    QString seen;
    if (formatsSpy->size() == 1)
        seen = QStringLiteral("formats");
    else if (videoSpy->size() == 1)
        seen = QStringLiteral("video");
    else if (wrongSpy->size() == 1)
        seen = QString::number(failureAt(*wrongSpy).code);
    if (wrongSpy->size() == 1 && !failureAt(*wrongSpy).toolLine.isEmpty())
        seen += QLatin1Char(' ') + failureAt(*wrongSpy).toolLine;
    QCOMPARE(seen, outcome);
    QCOMPARE(formatsSpy->size() + videoSpy->size() + wrongSpy->size(), 1);
}

void TestEngine::failedDownloadKeepsToolError()
{
    stage.setScript(scriptFor({}, {},
                              QStringLiteral("echo 'ERROR: first' >&2; echo 'WARNING: w' >&2;"
                                             "printf 'ERROR: [generic] abc: Unable to download'"
                                             " >&2; exit 1")));
    startDownload();
    QVERIFY(wrongSpy->wait(10000));
    QCOMPARE(failureAt(*wrongSpy).code, Clipmoor::VideoFailed);
    // The last error line counts, even without a final line break.
    QCOMPARE(failureAt(*wrongSpy).toolLine,
             QStringLiteral("ERROR: [generic] abc: Unable to download"));
}

void TestEngine::progressReachesListeners_data()
{
    QTest::addColumn<QString>("download");
    QTest::addColumn<QList<int>>("percents"); // of each line; empty: not compared
    QTest::addColumn<double>("total");        // bytes of the whole download
    QTest::newRow("one part") << QStringLiteral("printf '[download]  10.5%% of 1MiB\\n'; sleep 0.3;"
                                                "printf '[download] 100%% of 1MiB\\n'; exit 0")
                              << QList<int>{10, 100} << 1048576.0;
    // Output without a line break is dropped as it comes, rather than read again with
    // each chunk, and what follows is still read.
    QTest::newRow("a line of 32 MB, then progress")
        << QStringLiteral("head -c 32000000 /dev/zero | tr '\\0' x; "
                          "printf '\\n[download] 100%% of 1MiB\\n'; exit 0")
        << QList<int>{100} << 1048576.0;
    // The video's and the audio's real progress, line by line, after the real listing of
    // the same video: the listed sizes give the total from the start.
    QTest::newRow("video and audio")
        << QStringLiteral("while IFS= read -r line; do printf '%s\\n' \"$line\"; sleep 0.02; "
                          "done < \"$here/download.txt\"")
        << QList<int>{} << (1.34 * 1024 * 1024 + 316.59 * 1024);
}

void TestEngine::progressReachesListeners()
{
    QFETCH(QString, download);
    QFETCH(QList<int>, percents);
    QFETCH(double, total);
    const auto write = [this](const char *name, const QString &text) {
        QFile file(stage.file(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    write("listing.txt", testData(QStringLiteral(
                             "listings/13-local-ytdlp-2023.03.04-piped-F-and-compat-old.txt")));
    const QString capture = testData(
        QStringLiteral("progress/07-local-ytdlp-2023.03.04-newline-merge-already-downloaded.txt"));
    write("download.txt", capture.left(capture.indexOf(QLatin1String("\n[info]"), 1) + 1));
    stage.setScript(scriptFor(metadataAnswer, formatsAnswer, download));
    QSignalSpy details(engine.get(), &Clipmoor::progressDetails);
    startMetadata();
    QVERIFY(formatsSpy->wait(10000));
    engine->requestVideo(137);
    QVERIFY(videoSpy->wait(10000));

    QList<int> values;
    for (const QList<QVariant> &signal : std::as_const(*percentSpy))
        values.append(signal.at(0).toInt());
    if (!percents.isEmpty())
        QCOMPARE(values, percents);
    // The whole download: one total, a percentage that never falls and ends at 100.
    QVERIFY(!details.isEmpty());
    int last = 0;
    for (const QList<QVariant> &signal : std::as_const(details)) {
        const ProgressDetails reading = signal.at(0).value<ProgressDetails>();
        QVERIFY(reading.percent && *reading.percent >= last);
        last = *reading.percent;
        if (reading.total)
            QCOMPARE(qRound64(*reading.total), qRound64(total));
    }
    QCOMPARE(last, 100);
}

void TestEngine::userStopDuringEachRun_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("run"); // which run waits
    QTest::addColumn<bool>("download");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stopTimeoutMs");
    const QString wait = QLatin1String(waitWithChild);
    const int usual = Clipmoor::defaultStopTimeoutMs;
    QTest::newRow("metadata") << scriptFor(wait, {}, {}) << 1 << false
                              << int(Clipmoor::MetadataStopped) << usual;
    QTest::newRow("formats") << scriptFor(metadataAnswer, wait, {}) << 2 << false
                             << int(Clipmoor::FormatsStopped) << usual;
    QTest::newRow("download") << scriptFor({}, {}, wait) << 1 << true << int(Clipmoor::VideoStopped)
                              << usual;
    const QString ignoring = scriptFor({}, {}, QStringLiteral("trap '' TERM; ") + wait);
    QTest::newRow("download, tree ignores SIGTERM")
        << ignoring << 1 << true << int(Clipmoor::VideoStopped) << usual;
    // The stop itself ends the tree, rather than waiting its time-out out.
    QTest::newRow("download, tree ignores SIGTERM, short stop time-out")
        << ignoring << 1 << true << int(Clipmoor::VideoStopped) << 3000;
    // What left the run's session and group ends too, even with its environment emptied.
    const QString waiting = QStringLiteral("; sleep 300 & wait; exit 0");
    QTest::newRow("download, a grandchild in a session of its own")
        << scriptFor({}, {}, QStringLiteral("leave_session 300") + waiting) << 1 << true
        << int(Clipmoor::VideoStopped) << usual;
    QTest::newRow("metadata, an unmarked grandchild in a session of its own")
        << scriptFor(QStringLiteral("leave_session 300 unmarked") + waiting, {}, {}) << 1 << false
        << int(Clipmoor::MetadataStopped) << usual;
}

void TestEngine::userStopDuringEachRun()
{
    QFETCH(QString, script);
    QFETCH(int, run);
    QFETCH(bool, download);
    QFETCH(int, code);
    QFETCH(int, stopTimeoutMs);
    // A stop given up after its time-out says so; none may be.
    QTest::failOnWarning(
        QRegularExpression(QRegularExpression::escape(Platform::stopFailureText())));
    engine->setStopTimeout(stopTimeoutMs);
    stage.setScript(script);
    if (download)
        startDownload();
    else
        startMetadata();
    const qint64 pid = waitForRun(run);
    QTRY_VERIFY(childOf(pid) > 0);
    const qint64 child = childOf(pid);
    QVERIFY(processRunning(child));

    // The window keeps answering while the stop waits, and the stop is reported once the
    // run and everything it started have ended.
    int ticks = 0;
    int ticksAtReport = -1;
    bool treeEndedAtReport = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] { ++ticks; });
    connect(engine.get(), &Clipmoor::somethingWrong, &probe, [&] {
        ticksAtReport = ticks;
        treeEndedAtReport = !processRunning(pid) && !processRunning(child);
    });
    probe.start(0);
    engine->stopTool(false);
    QVERIFY(wrongSpy->wait(10000));
    QVERIFY(ticksAtReport > 0);
    QVERIFY(treeEndedAtReport);
    QCOMPARE(wrongSpy->size(), 1);
    QCOMPARE(int(failureAt(*wrongSpy).code), code);
    QCOMPARE(videoSpy->size() + formatsSpy->size(), 0);
}

// Leaving the format page stops the tool without a report: the user already moved on.
void TestEngine::silentStopEndsQuietly()
{
    stage.setScript(scriptFor(QLatin1String(waitWithChild), {}, {}));
    startMetadata();
    const qint64 pid = waitForRun(1);
    QTRY_VERIFY(childOf(pid) > 0);
    engine->stopTool(true);
    QTRY_VERIFY(!processRunning(pid));
    QTRY_VERIFY(!processRunning(childOf(pid)));
    QVERIFY(waitForLaterReport());
    QCOMPARE(wrongSpy->size() + metadataSpy->size() + formatsSpy->size(), 0);
}

// A run for an address the user has not asked for yet says nothing of how it ends, and
// makes way for another address.
void TestEngine::preparingRun_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("then"); // "prepare", "ask", "cancel" or nothing
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("goesOn"); // the preparing run
    QTest::addColumn<int>("runs");

    const QString wait = scriptFor(QLatin1String(waitWithChild), {}, {});
    const QString same = QStringLiteral("https://youtu.be/abc123XYZ_0");
    const QString other = QStringLiteral("https://youtu.be/abc123XYZ_1");
    QTest::newRow("fails: nothing said")
        << scriptFor(QStringLiteral("echo 'ERROR: gone' >&2; exit 1"), {}, {}) << QString()
        << QString() << false << 1;
    QTest::newRow("the same video asked for: it goes on") << wait << "ask" << same << true << 2;
    QTest::newRow("another video asked for: it stops") << wait << "ask" << other << false << 2;
    QTest::newRow("another address copied: it stops") << wait << "prepare" << other << false << 2;
    QTest::newRow("the same address copied: no second run")
        << wait << "prepare" << QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0")
        << true << 1;
    QTest::newRow("another site's address: it stops")
        << wait << "prepare" << QStringLiteral("https://example.com/watch?v=abc123XYZ_1") << false
        << 1;
    QTest::newRow("stopped by the user: nothing said")
        << wait << "cancel" << QString() << false << 1;
}

void TestEngine::preparingRun()
{
    QFETCH(QString, script);
    QFETCH(QString, then);
    QFETCH(QString, address);
    QFETCH(bool, goesOn);
    QFETCH(int, runs);
    stage.setScript(script);
    QVERIFY(engine->prepare(*Address::accept(QStringLiteral("https://youtu.be/abc123XYZ_0"))));
    const qint64 pid = waitForRun(1);
    QVERIFY(pid > 0);
    QCOMPARE(stage.arguments(pid), ToolRuns::metadataArguments(QStringLiteral("abc123XYZ_0")));
    if (then == QLatin1String("prepare")) {
        // Read, not accepted: another site's address gets as far as the engine here.
        QCOMPARE(engine->prepare(Address::read(QUrl(address))),
                 !address.contains(QLatin1String("example.com")));
    } else if (then == QLatin1String("ask")) {
        startMetadata(address);
    } else if (then == QLatin1String("cancel")) {
        engine->stopTool(false);
    }
    if (runs > 1)
        QVERIFY(waitForRun(runs) > 0);
    if (!goesOn)
        QTRY_VERIFY(!processRunning(pid));
    // Were the preparing run being stopped, the update would wait for it to end.
    QVERIFY(waitForLaterReport());
    QCOMPARE(processRunning(pid), goesOn);
    QCOMPARE(stage.runs().size(), runs + 1); // and the update
    QCOMPARE(wrongSpy->size() + metadataSpy->size() + formatsSpy->size(), 0);
}

void TestEngine::stopWhileIdleDoesNotSpoilNextRun()
{
    stage.setScript(QLatin1String(answering));
    engine->stopTool(false);
    startMetadata();
    QVERIFY(formatsSpy->wait(10000));
    QCOMPARE(wrongSpy->size(), 0);
    QCOMPARE(metadataSpy->size(), 1);
}

void TestEngine::downloadMakesWayForRunningTool()
{
    stage.setScript(
        scriptFor(metadataAnswer, QLatin1String(waitWithChild), QStringLiteral("exit 0")));
    startMetadata();
    const qint64 listing = waitForRun(2);
    QTRY_VERIFY(childOf(listing) > 0);

    engine->requestVideo(18);
    QVERIFY(videoSpy->wait(10000));
    QVERIFY(!processRunning(listing));
    QVERIFY(!processRunning(childOf(listing)));
    QCOMPARE(stage.arguments(waitForRun(3)).first(), QStringLiteral("--no-warnings"));
    QCOMPARE(wrongSpy->size(), 0);
    QCOMPARE(formatsSpy->size(), 0);
}

void TestEngine::partialFilesRemoved_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");   // of the video's files, before their extensions
    QTest::addColumn<QString>("chosen"); // ending of the chosen folder's name; empty: none
    const QString plain = QStringLiteral("V_1x1_abc");
    QTest::newRow("fails") << QStringLiteral("exit 1") << false << int(Clipmoor::VideoFailed)
                           << plain << QString();
    QTest::newRow("crashes") << QStringLiteral("kill -SEGV $$") << false
                             << int(Clipmoor::VideoCrashed) << plain << QString();
    QTest::newRow("stopped") << QStringLiteral("sleep 300") << true << int(Clipmoor::VideoStopped)
                             << plain << QString();
    // A title's brackets and stars are the name's, not a pattern's.
    QTest::newRow("stopped, a title with brackets")
        << QStringLiteral("sleep 300") << true << int(Clipmoor::VideoStopped)
        << QStringLiteral("V [Official] *_1x1_abc") << QString();
    QTest::newRow("stopped, in the folder chosen as CLM/")
        << QStringLiteral("sleep 300") << true << int(Clipmoor::VideoStopped) << plain
        << QStringLiteral("/");
}

// What the tool names as it writes goes when the download does not finish; nothing else.
void TestEngine::partialFilesRemoved()
{
    QFETCH(QString, ending);
    QFETCH(bool, stop);
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(QString, chosen);
    QDir folder(outputDir());
    folder.removeRecursively();
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QStringList kept = {QStringLiteral("Earlier_1x1_xyz.mp4"),
                              QStringLiteral("V_1x1_abc.mp4.part.keep")};
    for (const QString &file : kept)
        QVERIFY(QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
    const QString outside = home.path() + QStringLiteral("/outside.part");
    QVERIFY(QFile(outside).open(QIODevice::WriteOnly));

    const QString lines =
        QStringLiteral(
            "d=\"$HOME/Downloads/CLM\"; v=\"$d/%1\"\n"
            "printf '[download] Destination: %s\\n' \"$v.f137.mp4\"\n"
            ": >\"$v.f137.mp4.part\"; : >\"$v.f137.mp4.part-Frag3\"; : >\"$v.f137.mp4.ytdl\"\n"
            "printf '[download] Destination: %s\\n' \"$v.f140.m4a\"; : >\"$v.f140.m4a\"\n"
            "printf '[download] Destination: %s\\n' \"$HOME/outside\"\n"
            "printf '[Merger] Merging formats into \"%s\"\\n' \"$v.mp4\"\n"
            ": >\"$v.temp.mp4\"; : >\"$d/done\"\n")
            .arg(name);
    stage.setScript(scriptFor({}, {}, lines + ending));
    if (!chosen.isEmpty())
        session->settings->setValue(QLatin1String(downloadFolderKey), outputDir() + chosen);
    startDownload();
    session->settings->remove(QLatin1String(downloadFolderKey));
    if (stop) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(QStringLiteral("done"))), 10000);
        QFile::remove(folder.filePath(QStringLiteral("done")));
        engine->stopTool(false);
    }
    QVERIFY(wrongSpy->wait(10000));
    QCOMPARE(int(failureAt(*wrongSpy).code), code);
    QStringList left = folder.entryList(QDir::Files);
    left.removeOne(QStringLiteral("done"));
    QCOMPARE(left, kept);
    QVERIFY(QFile::exists(outside));
}

void TestEngine::leftoverChildEndsWithItsRun_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("download");
    const QString leave = QStringLiteral("sleep 300 & echo $! > \"$here/child.$$\"; ");
    QTest::newRow("metadata") << scriptFor(leave + metadataAnswer, formatsAnswer, {}) << false;
    QTest::newRow("download") << scriptFor({}, {}, leave + QStringLiteral("exit 0")) << true;
    QTest::newRow("download, a leftover in a session of its own")
        << scriptFor({}, {}, QStringLiteral("leave_session 300; exit 0")) << true;
    QTest::newRow("metadata, a leftover in a session of its own")
        << scriptFor(QStringLiteral("leave_session 300; ") + metadataAnswer, formatsAnswer, {})
        << false;
}

void TestEngine::leftoverChildEndsWithItsRun()
{
    QFETCH(QString, script);
    QFETCH(bool, download);
    stage.setScript(script);
    if (download)
        startDownload();
    else
        startMetadata();
    QVERIFY(download ? videoSpy->wait(10000) : formatsSpy->wait(10000));
    const qint64 child = childOf(stage.runs().value(0));
    QVERIFY(child > 0);
    QTRY_VERIFY(!processRunning(child));
}

void TestEngine::toolsEndWithTheProgram_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("script");
    const QString wait = QLatin1String(waitWithChild);
    QTest::newRow("SIGTERM") << int(SIGTERM) << wait;
    QTest::newRow("SIGINT") << int(SIGINT) << wait;
    QTest::newRow("SIGHUP") << int(SIGHUP) << wait;
    QTest::newRow("SIGKILL") << int(SIGKILL) << wait;
    QTest::newRow("SIGTERM, a grandchild in a session of its own")
        << int(SIGTERM) << QStringLiteral("leave_session 300; sleep 300 & wait");
}

// A program running the engine is asked to end, or killed outright, during a run.
void TestEngine::toolsEndWithTheProgram()
{
    QFETCH(int, signal);
    QFETCH(QString, script);
    stage.setScript(scriptFor(script, {}, {}));
    QProcess program;
    program.start(QStringLiteral(CLIPMOOR_ENGINE_HOST), {QStringLiteral("https://youtu.be/abc")});
    const qint64 run = waitForRun(1);
    QTRY_VERIFY(childOf(run) > 0);
    const qint64 child = childOf(run);

    ::kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(10000));
    QTRY_VERIFY(!processRunning(run));
    if (signal == SIGKILL) {
        // What the run itself started is beyond the parent-death signal's reach.
        ::kill(pid_t(child), SIGKILL);
        return;
    }
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!processRunning(child));
}

void TestEngine::toolCannotStart_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("request"); // 0 metadata, 1 download, 2 attached update
    for (int request : {0, 1, 2}) {
        QTest::addRow("missing, request %d", request) << false << request;
        QTest::addRow("not executable, request %d", request) << true << request;
    }
}

void TestEngine::toolCannotStart()
{
    QFETCH(bool, present);
    QFETCH(int, request);
    if (present)
        QVERIFY(QFile::setPermissions(stage.toolPath(), QFile::ReadOwner | QFile::WriteOwner));
    else
        stage.remove();

    if (request == 0) {
        startMetadata();
    } else if (request == 1) {
        startDownload();
    } else {
        engine->updateBinary(false);
    }
    // Reported after the request has returned, never from inside it.
    QCOMPARE(wrongSpy->size() + updateSpy->size(), 0);
    if (request == 2) {
        QVERIFY(updateSpy->wait(5000));
        QCOMPARE(updateSpy->at(0).at(0).value<QProcess::ExitStatus>(), QProcess::CrashExit);
    } else {
        QVERIFY(wrongSpy->wait(5000));
        QCOMPARE(failureAt(*wrongSpy).code, Clipmoor::ToolNotStarted);
    }
    // A request of the other kind, which cannot start either, reports last.
    QVERIFY(waitForLaterReport(request != 2));
    QCOMPARE(wrongSpy->size(), 1);
    QCOMPARE(updateSpy->size(), 1);
}

void TestEngine::selfUpdate_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QProcess::ExitStatus>("status");
    QTest::newRow("updated") << QStringLiteral("exit 0") << QProcess::NormalExit;
    QTest::newRow("exit code 1 is a failure") << QStringLiteral("exit 1") << QProcess::CrashExit;
    QTest::newRow("crash") << QStringLiteral("kill -SEGV $$") << QProcess::CrashExit;
}

void TestEngine::selfUpdate()
{
    QFETCH(QString, script);
    QFETCH(QProcess::ExitStatus, status);
    stage.setScript(script);
    engine->updateBinary(false);
    QVERIFY(updateSpy->wait(10000));
    QVERIFY(waitForLaterReport(false));
    QCOMPARE(updateSpy->size(), 1);
    QCOMPARE(updateSpy->at(0).at(0).value<QProcess::ExitStatus>(), status);
    QCOMPARE(stage.arguments(waitForRun(1)), QStringList{QStringLiteral("--update")});
}

void TestEngine::detachedSelfUpdateReportsNothing()
{
    stage.setScript(QStringLiteral("exit 0"));
    engine->updateBinary(true);
    const qint64 update = waitForRun(1);
    QCOMPARE(stage.arguments(update), QStringList{QStringLiteral("--update")});
    QTRY_VERIFY(!processRunning(update));
    QVERIFY(waitForLaterReport(false));
    QCOMPARE(updateSpy->size(), 0);
    QCOMPARE(wrongSpy->size(), 1);
}

// A run forgotten when no event loop runs any more, as at the program's end, goes with the
// queue instead of waiting for an event loop that never comes.
void TestEngine::forgottenRunGoesWithTheQueue()
{
    QPointer<QProcess> process;
    {
        RunQueue queue;
        ToolRun *run = queue.create(ToolRuns::Kind::Other);
        process = run->process;
        process->setProgram(stage.toolPath());
        QSignalSpy finished(&queue, &RunQueue::finished);
        queue.start(run);
        QVERIFY(finished.wait(10000));
        queue.forget(run);
        QVERIFY(process);
    }
    QVERIFY(!process);
}

CLIPMOOR_TEST_MAIN(TestEngine)
#include "tst_engine.moc"
