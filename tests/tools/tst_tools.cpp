// The engine driving the real yt-dlp and ffmpeg through the shipped launcher against a
// local site: metadata, formats, downloads, and what is left when runs end.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/address.h"
#include "engine/clipmoor.h"
#include "tests/support/offlinesite.h"
#include "tests/support/testmain.h"
#include "tests/support/toolstage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

class TestTools : public QObject {
    Q_OBJECT

public:
    explicit TestTools(const TestHome &home_)
        : home(home_)
    {
    }

private slots:
    void initTestCase();
    void init();
    void realToolMetadataAndFormats_data();
    void realToolMetadataAndFormats();
    void realToolDownloads_data();
    void realToolDownloads();
    void longTitlesKeepTheirNames();
    void cancelledDownloadLeavesNoPart();
    void hardKillEndsTheToolBehindTheLauncher();
    void ffmpegEndsWithTheToolThatStartedIt();
    void outputFolderCannotBeWritten();

private:
    static QString cacheFolder();

    const TestHome &home;
    SessionData session;
    OfflineSite site;
    const QByteArray cookieValue = "clipmoor-test-secret-4711";
};

void TestTools::initTestCase()
{
    prepareOutputDir();
    QVERIFY2(site.start(), qPrintable(site.error()));
    QVERIFY2(site.stage(home.dataDir()), qPrintable(site.error()));

    // A signed-in Firefox, as far as yt-dlp can tell: a cookie for the site in the
    // profile's database, laid out as Firefox keeps it.
    const QString profile = home.path() + QStringLiteral("/.mozilla/firefox/test.default");
    QVERIFY(QDir().mkpath(profile));
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sqlite3, sys\n"
                        "db = sqlite3.connect(sys.argv[1])\n"
                        "db.execute('CREATE TABLE moz_cookies (id INTEGER PRIMARY KEY, "
                        "originAttributes TEXT NOT NULL DEFAULT \\'\\', name TEXT, value TEXT, "
                        "host TEXT, path TEXT, expiry INTEGER, lastAccessed INTEGER, "
                        "creationTime INTEGER, isSecure INTEGER, isHttpOnly INTEGER)')\n"
                        "db.execute('INSERT INTO moz_cookies (name, value, host, path, expiry, "
                        "isSecure, isHttpOnly) VALUES (?, ?, ?, ?, ?, 0, 0)', "
                        "('SID', sys.argv[2], '127.0.0.1', '/', 4102444800))\n"
                        "db.commit()\n"),
         profile + QStringLiteral("/cookies.sqlite"), QString::fromLatin1(cookieValue)});
    QVERIFY(python.waitForFinished(30000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
}

void TestTools::init()
{
    for (const char *key : {cookiesBrowserKey, embedKey, subtitlesKey})
        session.settings->remove(QLatin1String(key));
    session.video.part.reset();
}

QString TestTools::cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Quorvel/Clipmoor/info");
}

void TestTools::realToolMetadataAndFormats_data()
{
    QTest::addColumn<QString>("browser");
    QTest::addColumn<int>("entries"); // info kept by the launcher so far
    QTest::newRow("no cookies") << QString() << 1;
    QTest::newRow("cookies from Firefox") << QStringLiteral("firefox") << 2;
}

void TestTools::realToolMetadataAndFormats()
{
    QFETCH(QString, browser);
    QFETCH(int, entries);
    if (!browser.isEmpty())
        session.settings->setValue(QLatin1String(cookiesBrowserKey), browser);
    const int extractions = site.extractions();
    const qsizetype asked = site.server().requestedPaths().size();

    Clipmoor engine(&session);
    QSignalSpy formats(&engine, &Clipmoor::haveFormats);
    QSignalSpy thumbnail(&engine, &Clipmoor::haveThumbnail);
    QSignalSpy subtitles(&engine, &Clipmoor::haveSubtitles);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    engine.requestMetadata(
        *Address::accept(QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0")));
    QVERIFY(formats.wait(60000));
    QVERIFY(thumbnail.wait(60000));
    QVERIFY(subtitles.wait(60000));
    QCOMPARE(wrong.size(), 0);

    // What the signals carry.
    const VideoInfo video = formats.at(0).at(0).value<VideoInfo>();
    QCOMPARE(video.title, QLatin1String(OfflineSite::title));
    QCOMPARE(video.duration, QTime(0, 3, 33));
    // The audio-only format is no choice of its own, but the sound alone is offered.
    QCOMPARE(video.viewOrder, QList<uint>{137});
    QVERIFY(video.audioOnly);
    QCOMPARE(video.formats.value(137).resolution, QStringLiteral("320x180"));
    QVERIFY(video.formats.value(137).size.endsWith(QLatin1String("KiB")));
    // The site's own subtitles, then its captions; no chat replay.
    QCOMPARE(
        subtitles.at(0).at(0).value<QList<SubtitleLanguage>>(),
        (QList<SubtitleLanguage>{{QStringLiteral("de"), false}, {QStringLiteral("en"), true}}));
    // One extraction told the title, the table, the thumbnail and the subtitles.
    QCOMPARE(thumbnail.at(0).at(0).toUrl(),
             QUrl(QString::fromLatin1(site.server().url(OfflineSite::thumbnailPath))));
    QCOMPARE(site.extractions(), extractions + 1);

    // The real yt-dlp read the cookie from the profile only when Firefox was chosen; nothing
    // of it was kept, and the info it helped extract is kept apart.
    const QList<QByteArray> cookies = site.server().requestedCookies().mid(asked);
    QCOMPARE(cookies.contains("SID=" + cookieValue), !browser.isEmpty());
    QCOMPARE(QDir(cacheFolder()).entryList({QStringLiteral("*.info.json")}, QDir::Files).size(),
             entries);
    QDirIterator files(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.fileName().contains(QLatin1String("/.mozilla/")))
            continue;
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!file.readAll().contains(cookieValue), qPrintable(file.fileName()));
    }
}

void TestTools::realToolDownloads_data()
{
    QTest::addColumn<QString>("what"); // "video", "audio" or "mp3"
    QTest::addColumn<bool>("embed");
    QTest::addColumn<QString>("subtitles"); // the language chosen
    QTest::addColumn<int>("partEnd");       // the part from 0:00 to it, when above 0
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("streams");
    QTest::addColumn<QString>("codec");     // of the sound
    QTest::addColumn<QByteArray>("chosen"); // the chosen folder in the home; empty: none
    QTest::addColumn<bool>("used");         // else the default folder, with a warning
    const QString video = QStringLiteral("Test Video Title_320x180_abc123XYZ_0.mp4");
    const QString audioName = QStringLiteral("Test Video Title_audio_abc123XYZ_0.m4a");
    const QString audio = QStringLiteral("audio");
    const QStringList sound = {audio};
    const QString picture = QStringLiteral("picture");
    // mp4 and m4a keep their chapters in a data stream too.
    const QString aac = QStringLiteral("aac");
    QTest::newRow("video merged with its audio")
        << "video" << false << QString() << 0 << video
        << QStringList{audio, QStringLiteral("video")} << aac << QByteArray() << true;
    QTest::newRow("the sound alone")
        << "audio" << false << QString() << 0 << audioName << sound << aac << QByteArray() << true;
    QTest::newRow("video with title, chapters and cover")
        << "video" << true << QString() << 0 << video
        << QStringList{audio, QStringLiteral("data"), picture, QStringLiteral("video")} << aac
        << QByteArray() << true;
    QTest::newRow("sound with title, chapters and cover")
        << "audio" << true << QString() << 0 << audioName
        << QStringList{audio, QStringLiteral("data"), picture} << aac << QByteArray() << true;
    QTest::newRow("video with German subtitles")
        << "video" << false << QStringLiteral("de") << 0 << video
        << QStringList{audio, QStringLiteral("subtitle:deu"), QStringLiteral("video")} << aac
        << QByteArray() << true;
    QTest::newRow("video with automatic English captions")
        << "video" << false << QStringLiteral("en") << 0 << video
        << QStringList{audio, QStringLiteral("subtitle:eng"), QStringLiteral("video")} << aac
        << QByteArray() << true;
    QTest::newRow("the first second of the video")
        << "video" << false << QString() << 1
        << QStringLiteral("Test Video Title_320x180_abc123XYZ_0_0-1.mp4")
        << QStringList{audio, QStringLiteral("video")} << aac << QByteArray() << true;
    QTest::newRow("the sound as MP3") << "mp3" << false << QString() << 0
                                      << QStringLiteral("Test Video Title_mp3_abc123XYZ_0.mp3")
                                      << sound << QStringLiteral("mp3") << QByteArray() << true;
    // A chosen folder is used as named, whatever the tool would make of its name.
    QTest::newRow("into a folder named $HOME") << "audio" << false << QString() << 0 << audioName
                                               << sound << aac << QByteArray("$HOME") << true;
    QTest::newRow("into ${HOME}, ~ and %(title)s")
        << "audio" << false << QString() << 0 << audioName << sound << aac
        << QByteArray("${HOME}/~/%(title)s") << true;
    QTest::newRow("into a name with a line break, a colon and a blank at its end")
        << "audio" << false << QString() << 0 << audioName << sound << aac
        << QByteArray("line\nbreak: x ") << true;
    // No file dialog offers a name that is no text; written in the settings it names
    // another folder, which is not there.
    QTest::newRow("a name of bytes that are no UTF-8")
        << "audio" << false << QString() << 0 << audioName << sound << aac
        << QByteArray("bytes \xff\xfe") << false;
}

void TestTools::realToolDownloads()
{
    QFETCH(QString, what);
    QFETCH(bool, embed);
    QFETCH(QString, subtitles);
    QFETCH(int, partEnd);
    QFETCH(QString, name);
    QFETCH(QStringList, streams);
    QFETCH(QString, codec);
    const bool audio = what != QLatin1String("video");
    session.settings->setValue(QLatin1String(embedKey), embed);
    session.settings->setValue(QLatin1String(subtitlesKey), subtitles);
    session.video.subtitles = {{QStringLiteral("de"), false}, {QStringLiteral("en"), true}};
    session.video.part.reset();
    if (partEnd > 0)
        session.video.part = std::make_pair(0, partEnd);
    QFETCH(QByteArray, chosen);
    QFETCH(bool, used);
    QDir(outputDir()).removeRecursively();
    QVERIFY(QDir().mkpath(outputDir()));
    const QByteArray folder = QFile::encodeName(home.path()) + '/' + chosen;
    if (!chosen.isEmpty()) {
        QVERIFY(QDir().mkpath(QFile::decodeName(folder.left(folder.lastIndexOf('/')))));
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        session.settings->setValue(QLatin1String(downloadFolderKey), QFile::decodeName(folder));
    }
    const QString target = chosen.isEmpty() || !used ? outputDir() : QFile::decodeName(folder);
    Clipmoor engine(&session);
    QSignalSpy done(&engine, &Clipmoor::haveVideo);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    QSignalSpy percent(&engine, &Clipmoor::percent);
    QSignalSpy unusable(&engine, &Clipmoor::downloadFolderUnusable);
    session.video.toolTarget = QLatin1String(OfflineSite::videoId);
    const qsizetype asked = site.server().requestedPaths().size();
    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries);
    // The sound alone, downloaded before, is the user's file: the conversion leaves it.
    QStringList earlier;
    if (what == QLatin1String("mp3")) {
        earlier.append(QStringLiteral("Test Video Title_audio_abc123XYZ_0.m4a"));
        QFile file(target + QLatin1Char('/') + earlier.first());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
    }

    if (what == QLatin1String("mp3"))
        engine.requestMp3();
    else if (audio)
        engine.requestAudio();
    else
        engine.requestVideo(137);
    QVERIFY(done.wait(120000));
    QCOMPARE(wrong.size(), 0);
    QCOMPARE(unusable.size(), used ? 0 : 1);
    // Each output chunk reports only its first progress line, so which values arrive depends
    // on how the tool's output is cut; every one must still be a percentage.
    QVERIFY(!percent.isEmpty());
    for (const QList<QVariant> &signal : std::as_const(percent)) {
        const int value = signal.at(0).toInt();
        QVERIFY2(value >= 0 && value <= 100, qPrintable(QString::number(value)));
    }
    const QList<QByteArray> fetched = site.server().requestedPaths().mid(asked);
    QVERIFY(fetched.contains("/audio.m4a"));
    QCOMPARE(fetched.contains("/video.mp4"), !audio);

    const QString file = target + QLatin1Char('/') + name;
    QVERIFY2(QFile::exists(file), qPrintable(QDir(target).entryList().join(QLatin1Char(' '))));
    QCOMPARE(streamTypes(file).join(QLatin1Char(' ')), streams.join(QLatin1Char(' ')));
    const QJsonObject probed = probeMedia(file);
    for (const QJsonValue &stream : probed.value(QLatin1String("streams")).toArray()) {
        if (stream[QLatin1String("codec_type")] == QLatin1String("audio"))
            QCOMPARE(stream[QLatin1String("codec_name")].toString(), codec);
    }
    const QJsonObject format = probed.value(QLatin1String("format")).toObject();
    QCOMPARE(format[QLatin1String("tags")][QLatin1String("title")].toString(),
             embed ? QLatin1String(OfflineSite::title) : QString());
    const QJsonArray chapters = probed.value(QLatin1String("chapters")).toArray();
    QCOMPARE(chapters.size(), embed ? 2 : 0);
    if (embed) {
        QCOMPARE(chapters.at(0)[QLatin1String("tags")][QLatin1String("title")].toString(),
                 QLatin1String(OfflineSite::firstChapter));
    }
    // The media is two seconds long: half a second apart tells a one-second part from it.
    const double seconds = format[QLatin1String("duration")].toString().toDouble();
    QVERIFY2(qAbs(seconds - (partEnd > 0 ? partEnd : 2)) < 0.5,
             qPrintable(QString::number(seconds)));
    QCOMPARE(done.at(0).at(0).value<VideoInfo>().savedFile, file);
    // The parts that were merged are gone, and nothing was written anywhere else.
    QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden),
             (earlier + QStringList{QFileInfo(file).fileName()}));
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries), before);
    session.settings->remove(QLatin1String(downloadFolderKey));
}

// Two videos whose long titles begin alike: each keeps a file of its own, named with
// its resolution and ID.
void TestTools::longTitlesKeepTheirNames()
{
    QDir(outputDir()).removeRecursively();
    QVERIFY(QDir().mkpath(outputDir()));
    const QString start = QStringLiteral("A title long enough to be cut by any limit on names, ");
    const QStringList ids = {QStringLiteral("first000001"), QStringLiteral("second00002")};
    for (const QString &id : ids) {
        QJsonObject video = site.info();
        video.insert(QStringLiteral("id"), id);
        video.insert(QStringLiteral("title"), start + start + id);
        site.serveInfo(video);
        Clipmoor engine(&session);
        QSignalSpy done(&engine, &Clipmoor::haveVideo);
        session.video.toolTarget = id;
        engine.requestVideo(137);
        QVERIFY(done.wait(120000));
    }

    const QStringList files = QDir(outputDir()).entryList(QDir::Files);
    QCOMPARE(files.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY2(files.at(i).startsWith(start.left(40)), qPrintable(files.at(i)));
        QVERIFY2(files.at(i).endsWith(QStringLiteral("_320x180_%1.mp4").arg(ids.at(i))),
                 qPrintable(files.at(i)));
    }
}

// A download stopped half-way leaves nothing in the output folder.
void TestTools::cancelledDownloadLeavesNoPart()
{
    QDir(outputDir()).removeRecursively();
    QVERIFY(QDir().mkpath(outputDir()));
    OfflineSite slow;
    QVERIFY2(slow.start(2, 8000), qPrintable(slow.error()));
    QVERIFY(slow.stage(home.dataDir()));
    // An ID of its own, so that no info kept from a fast download is used.
    QJsonObject video = slow.info();
    video.insert(QStringLiteral("id"), QStringLiteral("slowVideo01"));
    slow.serveInfo(video);

    Clipmoor engine(&session);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    session.video.toolTarget = QStringLiteral("slowVideo01");
    // The subtitles come before the video, and go with it.
    session.video.subtitles = {{QStringLiteral("de"), false}};
    session.settings->setValue(QLatin1String(subtitlesKey), QStringLiteral("de"));
    QSignalSpy progress(&engine, &Clipmoor::percent);
    engine.requestVideo(137);
    QTRY_VERIFY_WITH_TIMEOUT(
        !QDir(outputDir()).entryList({QStringLiteral("*.mp4.part")}, QDir::Files).isEmpty(), 60000);
    // Once the video's progress has come through the launcher, so have the lines naming
    // its files.
    const qsizetype before = progress.size();
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() > before, 60000);
    QCOMPARE(QDir(outputDir()).entryList({QStringLiteral("*.de.srt")}, QDir::Files).size(), 1);
    engine.stopTool(false);
    session.video.subtitles.clear();
    session.settings->remove(QLatin1String(subtitlesKey));
    QVERIFY(wrong.wait(10000));
    QCOMPARE(wrong.at(0).at(0).value<Clipmoor::Failure>().code, Clipmoor::VideoStopped);
    QVERIFY(site.stage(home.dataDir()));
    QCOMPARE(QDir(outputDir()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Running processes whose command line names the text, zombies aside.
QList<qint64> processesNaming(const QByteArray &text)
{
    QList<qint64> pids;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        QFile command(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (entry.toLongLong() > 0 && command.open(QIODevice::ReadOnly) &&
            command.readAll().contains(text) && processRunning(entry.toLongLong()))
            pids.append(entry.toLongLong());
    }
    return pids;
}

// A program killed outright while the launcher waits on its yt-dlp takes both along.
void TestTools::hardKillEndsTheToolBehindTheLauncher()
{
    const QByteArray id = "hardKill001";
    HttpServer::Response silent;
    silent.silent = true;
    site.server().route("/watch/" + id, silent);
    QProcess program;
    program.start(QStringLiteral(CLIPMOOR_ENGINE_HOST),
                  {QStringLiteral("https://youtu.be/") + QLatin1String(id)});
    QTRY_VERIFY_WITH_TIMEOUT(site.server().requestedPaths().contains("/watch/" + id), 60000);
    QVERIFY(processesNaming(id).size() >= 3); // the program, the launcher and yt-dlp

    program.kill();
    QVERIFY(program.waitForFinished(10000));
    QTRY_COMPARE(processesNaming(id), QList<qint64>());
}

// The shipped ffmpeg ends with the yt-dlp that started it, killed outright with the program.
void TestTools::ffmpegEndsWithTheToolThatStartedIt()
{
    // Of this run only, whatever an earlier run may have left behind.
    const QByteArray marker =
        "mergeOfAKilledTool" + QByteArray::number(QCoreApplication::applicationPid());
    QProcess tool;
    tool.start(QStringLiteral("/bin/sh"),
               {QStringLiteral("-c"),
                QStringLiteral("\"$0\" -nostdin -loglevel error -re -f lavfi -i testsrc=size=32x32 "
                               "-metadata title=\"$1\" -f null - & wait"),
                QStringLiteral(CLIPMOOR_BIN_DIR "/ffmpeg"), QString::fromLatin1(marker)});
    // Killed only once the front has handed over to the system's ffmpeg.
    const auto systemFfmpegRuns = [&] {
        for (qint64 pid : processesNaming(marker)) {
            const QString program =
                QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
            if (program.endsWith(QLatin1String("/ffmpeg")) &&
                program != QLatin1String(CLIPMOOR_BIN_DIR "/ffmpeg"))
                return true;
        }
        return false;
    };
    QTRY_VERIFY(systemFfmpegRuns());
    tool.kill();
    QVERIFY(tool.waitForFinished(10000));
    QTRY_COMPARE(processesNaming(marker), QList<qint64>());
}

// The output folder is a file: the tool fails, and says why.
void TestTools::outputFolderCannotBeWritten()
{
    QDir(outputDir()).removeRecursively();
    QFile blocker(outputDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();

    Clipmoor engine(&session);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    QSignalSpy done(&engine, &Clipmoor::haveVideo);
    session.video.toolTarget = QLatin1String(OfflineSite::videoId);
    engine.requestVideo(137);
    QVERIFY(wrong.wait(120000));
    QCOMPARE(wrong.at(0).at(0).value<Clipmoor::Failure>().code, Clipmoor::VideoFailed);
    const QString toolLine = wrong.at(0).at(0).value<Clipmoor::Failure>().toolLine;
    QVERIFY2(toolLine.startsWith(QLatin1String("ERROR:")), qPrintable(toolLine));
    QCOMPARE(done.size(), 0);
    QFile kept(outputDir());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("not a folder"));
    QFile::remove(outputDir());
}

CLIPMOOR_TEST_MAIN(TestTools)
#include "tst_tools.moc"
