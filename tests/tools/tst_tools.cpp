// The downloader as shipped on Linux: the launcher's handling of the arguments, and the
// engine driving the real yt-dlp and ffmpeg against a local site.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/clipmoor.h"
#include "tests/support/offlinesite.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A yt-dlp that records its arguments; its --help names --progress-delta or not.
void writeFakeYtDlp(const QString &folder, bool knowsProgressDelta)
{
    QDir().mkpath(folder);
    QFile script(folder + QStringLiteral("/yt-dlp"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "if [ \"$1\" = --help ]; then echo help >>\"$FAKE_LOG\"; echo '  --newline'; ");
    if (knowsProgressDelta)
        script.write("echo '  --progress-delta SECONDS'; ");
    script.write("exit 0; fi\nprintf '%s\\0' \"$@\" >\"$FAKE_ARGS\"\nexit 0\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QStringList splitNul(QByteArray data)
{
    if (data.endsWith('\0'))
        data.chop(1);
    QStringList parts;
    for (const QByteArray &part : data.split('\0'))
        parts.append(QString::fromUtf8(part));
    return parts;
}

} // namespace

class TestTools : public QObject {
    Q_OBJECT

public:
    explicit TestTools(const TestHome &home_)
        : home(home_)
    {
    }

private slots:
    void initTestCase();
    void launcherPassesArguments_data();
    void launcherPassesArguments();
    void launcherWithoutYtDlp();
    void realToolMetadataAndFormats();
    void realToolDownloadsAndMerges();
    void outputFolderCannotBeWritten();

private:
    const TestHome &home;
    QTemporaryDir scratch;
    OfflineSite site;
};

void TestTools::initTestCase()
{
    qRegisterMetaType<Clipmoor::errorType>();
    prepareOutputDir();
    QVERIFY2(site.start(), qPrintable(site.error()));
    QVERIFY(site.stage(home.dataDir()));
}

void TestTools::launcherPassesArguments_data()
{
    QTest::addColumn<bool>("knowsProgressDelta");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("passed");
    QTest::addColumn<int>("helpCalls"); // over two runs

    const QStringList download = {QStringLiteral("--no-warnings"),
                                  QStringLiteral("--progress-delta"),
                                  QStringLiteral("1"),
                                  QStringLiteral("--format"),
                                  QStringLiteral("137+bestaudio/ best"),
                                  QString(),
                                  QStringLiteral("--progress-delta=2"),
                                  QStringLiteral("a 'quoted' \"id\"")};
    QTest::newRow("old yt-dlp: option and value dropped")
        << false << download
        << QStringList{QStringLiteral("--no-warnings"), QStringLiteral("--format"),
                       QStringLiteral("137+bestaudio/ best"), QString(),
                       QStringLiteral("a 'quoted' \"id\"")}
        << 1;
    QTest::newRow("current yt-dlp: unchanged") << true << download << download << 1;
    const QStringList metadata = {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                                  QStringLiteral("--no-warnings"), QStringLiteral("-x")};
    QTest::newRow("no such option: no probing") << false << metadata << metadata << 0;
}

void TestTools::launcherPassesArguments()
{
    QFETCH(bool, knowsProgressDelta);
    QFETCH(QStringList, given);
    QFETCH(QStringList, passed);
    QFETCH(int, helpCalls);

    // A folder of its own per row: a fresh tool file, so a fresh cache entry.
    static int rowNumber = 0;
    const QString row = scratch.filePath(QString::number(++rowNumber));
    writeFakeYtDlp(row + QStringLiteral("/bin"), knowsProgressDelta);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), row + QStringLiteral("/bin:/usr/bin:/bin"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), row + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("FAKE_LOG"), row + QStringLiteral("/help.log"));
    environment.insert(QStringLiteral("FAKE_ARGS"), row + QStringLiteral("/args"));

    // The second run answers from the cache.
    for (int run = 0; run < 2; ++run) {
        QProcess launcher;
        launcher.setProcessEnvironment(environment);
        launcher.start(QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2"), given);
        QVERIFY(launcher.waitForFinished(10000));
        QVERIFY2(launcher.exitCode() == 0, launcher.readAllStandardError().constData());
        QFile args(row + QStringLiteral("/args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(splitNul(args.readAll()), passed);
    }
    QFile log(row + QStringLiteral("/help.log"));
    const int calls = log.open(QIODevice::ReadOnly) ? int(log.readAll().count("help")) : 0;
    QCOMPARE(calls, helpCalls);
}

void TestTools::launcherWithoutYtDlp()
{
    QProcess launcher;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), scratch.filePath(QStringLiteral("empty")));
    launcher.setProcessEnvironment(environment);
    launcher.start(QStringLiteral("/bin/sh"),
                   {QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2"), QStringLiteral("--version")});
    QVERIFY(launcher.waitForFinished(10000));
    QCOMPARE(launcher.exitCode(), 127);
    QCOMPARE(launcher.readAllStandardError().trimmed(),
             QByteArray("ERROR: yt-dlp was not found on PATH"));
}

void TestTools::realToolMetadataAndFormats()
{
    Clipmoor engine;
    QSignalSpy formats(&engine, &Clipmoor::haveFormats);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    QVERIFY(engine.setUrl(QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0")));
    engine.requestMetadata();
    QVERIFY(formats.wait(60000));
    QCOMPARE(wrong.size(), 0);

    const VideoInfo &video = sessionData()->video;
    QCOMPARE(video.title, QLatin1String(OfflineSite::title));
    QCOMPARE(video.duration, QTime(0, 3, 33));
    // The audio-only format is no choice of its own.
    QCOMPARE(video.viewOrder, QList<uint>{137});
    QCOMPARE(video.formats.value(137).resolution, QStringLiteral("320x180"));
    QVERIFY(video.formats.value(137).size.endsWith(QLatin1String("KiB")));
}

void TestTools::realToolDownloadsAndMerges()
{
    Clipmoor engine;
    QSignalSpy done(&engine, &Clipmoor::haveVideo);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    QSignalSpy percent(&engine, &Clipmoor::percent);
    sessionData()->video.toolTarget = QLatin1String(OfflineSite::videoId);

    engine.requestVideo(137);
    QVERIFY(done.wait(120000));
    QCOMPARE(wrong.size(), 0);
    // Each output chunk reports only its first progress line, so which values arrive depends
    // on how the tool's output is cut; every one must still be a percentage.
    QVERIFY(!percent.isEmpty());
    for (const QList<QVariant> &signal : std::as_const(percent)) {
        const int value = signal.at(0).toInt();
        QVERIFY2(value >= 0 && value <= 100, qPrintable(QString::number(value)));
    }
    QVERIFY(site.server().requestedPaths().contains("/audio.m4a"));

    const QString file = outputDir() + QStringLiteral("/Test Video Title_320x180_abc123XYZ_0.mp4");
    QVERIFY2(QFile::exists(file), qPrintable(QDir(outputDir()).entryList().join(QLatin1Char(' '))));
    QCOMPARE(streamTypes(file), (QStringList{QStringLiteral("audio"), QStringLiteral("video")}));
}

// The output folder is a file: the tool fails, and says why.
void TestTools::outputFolderCannotBeWritten()
{
    QDir(outputDir()).removeRecursively();
    QFile blocker(outputDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();

    Clipmoor engine;
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    QSignalSpy done(&engine, &Clipmoor::haveVideo);
    sessionData()->video.toolTarget = QLatin1String(OfflineSite::videoId);
    engine.requestVideo(137);
    QVERIFY(wrong.wait(120000));
    QCOMPARE(wrong.at(0).at(0).value<Clipmoor::errorType>(), Clipmoor::VideoFailed);
    QVERIFY2(sessionData()->toolError.startsWith(QLatin1String("ERROR:")),
             qPrintable(sessionData()->toolError));
    QCOMPARE(done.size(), 0);
    QFile kept(outputDir());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("not a folder"));
    QFile::remove(outputDir());
}

CLIPMOOR_TEST_MAIN(TestTools)
#include "tst_tools.moc"
