// The update plug-in as the program loads it, against a real HTTP server on 127.0.0.1:
// the schedule in updater.ini, the manifest, the public-address lookup, the installer
// download and its dialogs, and the QML window on the offscreen platform.
#include "plugins/interfaces/updateinterface.h"
#include "tests/support/httpserver.h"
#include "tests/support/modalcloser.h"
#include "tests/support/testmain.h"

#include <QAbstractButton>
#include <QCryptographicHash>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPluginLoader>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

const QByteArray manifestPath = "/files/upd/clm-updater-win.json";

QStringList logLines;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logLines.append(message);
}

// Opened addresses land here instead of in a browser or file manager.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// Quit requests of the plug-in, which would end the host.
class QuitRecorder : public QObject {
public:
    int quits = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Quit)
            ++quits;
        return false;
    }
};

QByteArray manifest(const QByteArray &enabled, int latest, const QByteArray &installer, int old = 0,
                    const QByteArray &extra = QByteArray())
{
    return "{\"enabled\":" + enabled + ",\"lst\":{\"ver\":" + QByteArray::number(latest) +
           ",\"pth\":\"" + installer + "\"" + extra +
           "},\"old\":{\"ver\":" + QByteArray::number(old) +
           ",\"pth\":\"https://example.invalid/old-release\"}}";
}

} // namespace

class TestUpdater : public QObject {
    Q_OBJECT

public:
    explicit TestUpdater(const TestHome &) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void pluginIdentity();
    void manifestDecides_data();
    void manifestDecides();
    void addressList_data();
    void addressList();
    void addressLookupIsCached();
    void manifestFailuresAreReported_data();
    void manifestFailuresAreReported();
    void silentFailureShowsNothing();
    void manifestServerNeverAnswers();
    void scheduleByDay();
    void twoWeekSkip_data();
    void twoWeekSkip();
    void skipPropertyAlwaysNotifies();
    void applicationNameWithBlanks();
    void downloadSucceeds_data();
    void downloadSucceeds();
    void downloadFailures_data();
    void downloadFailures();
    void cancelDuringDownload();
    void unknownTotalSize();
    void downloadsFolderProblems();
    void installerAlreadyOnDisk_data();
    void installerAlreadyOnDisk();
    void unsafeInstallerNames_data();
    void unsafeInstallerNames();
    void reentryGuard();
    void oldVersionOpensWebPage();
    void windowViews();
    void skipBoxInWindow();

private:
    void reload();
    void serveManifest(const QByteArray &body, const QByteArray &type = "application/json");
    QString checkResult();
    void offerInstaller(const QByteArray &path, const QByteArray &extra = QByteArray());
    QQuickWindow *updaterWindow() const;
    QString downloads() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    }
    QString iniPath() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
               QStringLiteral("/updater.ini");
    }

    std::unique_ptr<HttpServer> server;
    std::unique_ptr<ModalCloser> closer;
    QPluginLoader loader{QStringLiteral(CLIPMOOR_BIN_DIR "/Updater.so")};
    QObject *plugin = nullptr;
    UpdateInterface *updater = nullptr;
    UrlRecorder urls;
    QuitRecorder quits;
};

void TestUpdater::initTestCase()
{
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication::setApplicationVersion(QStringLiteral("2.0.023"));
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &urls, "open");
    qApp->installEventFilter(&quits);
}

void TestUpdater::cleanupTestCase()
{
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TestUpdater::init()
{
    server = std::make_unique<HttpServer>();
    QVERIFY(server->listen());
    qputenv("CLIPMOOR_UPDATE_SERVER", server->url(QByteArray()));
    QFile::remove(iniPath());
    QDir(downloads()).removeRecursively();
    logLines.clear();
    urls.opened.clear();
    quits.quits = 0;
    qInstallMessageHandler(capture);
    reload();
    closer = std::make_unique<ModalCloser>();
}

void TestUpdater::cleanup()
{
    if (updater)
        updater->releaseGui();
    closer.reset();
    qInstallMessageHandler(nullptr);
    if (QTest::currentTestFailed())
        qWarning().noquote() << logLines.join(QLatin1Char('\n'));
}

// A fresh plug-in object for every test, as after a new start of the program.
void TestUpdater::reload()
{
    if (loader.isLoaded())
        loader.unload();
    plugin = loader.instance();
    QVERIFY2(plugin, qPrintable(loader.errorString()));
    updater = qobject_cast<UpdateInterface *>(plugin);
    QVERIFY(updater);
}

void TestUpdater::serveManifest(const QByteArray &body, const QByteArray &type)
{
    HttpServer::Response response;
    response.contentType = type;
    response.body = body;
    server->route(manifestPath, response);
}

// The outcome of a silent check, as the plug-in logs it.
QString TestUpdater::checkResult()
{
    const int before = int(logLines.size());
    updater->silentCheck(2023, QStringLiteral("25.0826"));
    for (int i = int(logLines.size()) - 1; i >= before; --i) {
        const QString &line = logLines.at(i);
        const qsizetype at = line.indexOf(QLatin1String(" : makeActualCheck Updater::"));
        if (at >= 0)
            return line.mid(at + 28);
    }
    return QStringLiteral("no result");
}

QQuickWindow *TestUpdater::updaterWindow() const
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->objectName() == QLatin1String("updaterWindow"))
            return qobject_cast<QQuickWindow *>(window);
    }
    return nullptr;
}

void TestUpdater::pluginIdentity()
{
    QCOMPARE(loader.metaData().value(QLatin1String("IID")).toString(),
             QStringLiteral("corvane.AppUpdaterInterface"));
    QCOMPARE(loader.metaData().value(QLatin1String("className")).toString(),
             QStringLiteral("Updater"));
    QVERIFY(loader.metaData().value(QLatin1String("MetaData")).toObject().isEmpty());
    QVERIFY(plugin->inherits("Updater"));
    QCOMPARE(plugin->qt_metacast("corvane.AppUpdaterInterface"), static_cast<void *>(updater));
    QCOMPARE(plugin->qt_metacast("UpdateInterface"), static_cast<void *>(updater));
    QVERIFY(
        logLines
            .filter(QRegularExpression(QStringLiteral("^\\[UPD\\] \\d+ : Updater .*/updater.ini$")))
            .size() == 1);
}

void TestUpdater::manifestDecides_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("result");
    const QByteArray all = "{\"all\":true}";
    QTest::newRow("newer release")
        << manifest(all, 2024, "http://x/CLM.exe") << QStringLiteral("UpdateYes");
    QTest::newRow("same release") << manifest(all, 2023, "http://x/CLM.exe")
                                  << QStringLiteral("UpdateNot");
    QTest::newRow("older release")
        << manifest(all, 2000, "http://x/CLM.exe") << QStringLiteral("UpdateNot");
    QTest::newRow("version as text reads 0")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":\"2024\"}}")
        << QStringLiteral("UpdateNot");
    QTest::newRow("negative version reads 0")
        << manifest(all, -5, "http://x/CLM.exe") << QStringLiteral("UpdateNot");
    QTest::newRow("fraction reads 0")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":2024.5}}")
        << QStringLiteral("UpdateNot");
    QTest::newRow("zero fraction is whole")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":2024.0}}")
        << QStringLiteral("UpdateYes");
    QTest::newRow("beyond 32 bits reads 0")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":4294969319}}")
        << QStringLiteral("UpdateNot");
    QTest::newRow("all must be the JSON true")
        << manifest("{\"all\":\"true\"}", 2024, "http://x/CLM.exe") << QStringLiteral("Progress");
    QTest::newRow("not enabled, no addresses")
        << manifest("{\"all\":false}", 2024, "http://x/CLM.exe") << QStringLiteral("Progress");
    QTest::newRow("empty object") << QByteArray("{}") << QStringLiteral("Progress");
}

void TestUpdater::manifestDecides()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, result);
    serveManifest(body);
    QSignalSpy shown(plugin, SIGNAL(requestShowGUI(Updater::State)));
    QCOMPARE(checkResult(), result);
    QCOMPARE(shown.size(), result == QLatin1String("UpdateYes") ? 1 : 0);
    // Without "ips" no address is looked up.
    QCOMPARE(server->requestedPaths(), QList<QByteArray>{manifestPath});
    QVERIFY(logLines.filter(QStringLiteral("JSON")).filter(QStringLiteral("!!! ERROR:")).isEmpty());
    if (QByteArray(QTest::currentDataTag()).startsWith("negative"))
        QVERIFY(!logLines
                     .filter(QStringLiteral(
                         "ConverToUINT !!! WARNING: negative version in JSON! val = -5"))
                     .isEmpty());
}

void TestUpdater::addressList_data()
{
    QTest::addColumn<QByteArray>("ips");
    QTest::addColumn<QByteArray>("root"); // the three lookup answers
    QTest::addColumn<QByteArray>("ip");
    QTest::addColumn<QByteArray>("php");
    QTest::addColumn<QString>("result");
    const QByteArray address = "203.0.113.9\n";
    QTest::newRow("listed address, answer with a line break")
        << QByteArray("[\"10.0.0.1\",\"203.0.113.9\"]") << address << address << address
        << QStringLiteral("UpdateYes");
    QTest::newRow("address written otherwise does not match")
        << QByteArray("[\"203.0.113.09\"]") << address << address << address
        << QStringLiteral("Progress");
    QTest::newRow("HTML answers are skipped")
        << QByteArray("[\"203.0.113.9\"]") << QByteArray("<html><body>203.0.113.9</body></html>")
        << QByteArray("<html>x</html>") << address << QStringLiteral("UpdateYes");
    QTest::newRow("an endpoint that never answers is passed over")
        << QByteArray("[\"2001:db8::7\"]") << QByteArray() << QByteArray("2001:db8::7")
        << QByteArray("2001:db8::7") << QStringLiteral("UpdateYes");
    QTest::newRow("no address found matches only a non-string")
        << QByteArray("[\"203.0.113.9\", 5]") << QByteArray("nope") << QByteArray("nope")
        << QByteArray("nope") << QStringLiteral("UpdateYes");
}

void TestUpdater::addressList()
{
    QFETCH(QByteArray, ips);
    QFETCH(QByteArray, root);
    QFETCH(QByteArray, ip);
    QFETCH(QByteArray, php);
    QFETCH(QString, result);
    serveManifest(manifest("{\"all\":false,\"ips\":" + ips + "}", 2024, "http://x/CLM.exe"));
    const auto answer = [this](const QByteArray &path, const QByteArray &body) {
        HttpServer::Response response;
        response.contentType = "text/plain";
        response.body = body;
        response.silent = body.isEmpty();
        server->route(path, response);
    };
    answer("/", root);
    answer("/ip", ip);
    answer("/ip.php", php);
    QCOMPARE(checkResult(), result);
}

void TestUpdater::addressLookupIsCached()
{
    serveManifest(manifest("{\"all\":false,\"ips\":[\"198.51.100.1\",\"198.51.100.2\"]}", 2024,
                           "http://x/CLM.exe"));
    for (const QByteArray path : {"/", "/ip", "/ip.php"})
        server->route(path, {200, "text/plain", "198.51.100.2"});
    QCOMPARE(checkResult(), QStringLiteral("UpdateYes"));
    QCOMPARE(checkResult(), QStringLiteral("UpdateYes"));
    // One lookup answered both elements and the second check.
    QCOMPARE(server->requestedPaths().size(), 3);
    QCOMPARE(server->requestedPaths().count(manifestPath), 2);
}

void TestUpdater::manifestFailuresAreReported_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("not found") << 404 << QByteArray("gone") << QStringLiteral("JSON download error")
                               << QStringLiteral("URL: %1");
    QTest::newRow("server error") << 500 << QByteArray("oops")
                                  << QStringLiteral("JSON download error")
                                  << QStringLiteral("URL: %1");
    QTest::newRow("invalid JSON") << 200 << QByteArray("{\"enabled\": ")
                                  << QStringLiteral("JSON parse error") << QString();
    QTest::newRow("root is an array")
        << 200 << QByteArray("[1,2]") << QStringLiteral("JSON parse error")
        << QStringLiteral("JSON root is not an object!");
}

void TestUpdater::manifestFailuresAreReported()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, title);
    QFETCH(QString, text);
    server->route(manifestPath, {status, "application/json", body});
    QSignalSpy errors(updater, &UpdateInterface::updateError);
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE_WITH_TIMEOUT(closer->seen.size(), 1, 10000);
    const ModalCloser::Seen &dialog = closer->seen.at(0);
    QCOMPARE(dialog.title, QStringLiteral("UPD. ERROR: ") + title);
    QVERIFY(dialog.text.startsWith(
        QLatin1String("We are attempting to download and process the update")));
    QCOMPARE(dialog.text.size(), 258);
    QVERIFY2(dialog.details.startsWith(title + QStringLiteral(":\n\n")),
             qPrintable(dialog.details));
    if (!text.isEmpty())
        QVERIFY2(dialog.details.contains(text.arg(QString::fromLatin1(server->url(manifestPath)))),
                 qPrintable(dialog.details));
    QCOMPARE(errors.size(), 1);
    // The failure closed the window without telling the host it is done.
    QTRY_VERIFY(!updaterWindow() || !updaterWindow()->isVisible());
    QCOMPARE(done.size(), 0);
    QVERIFY(!logLines
                 .filter(QStringLiteral("void showCriticalMessage(Updater*, const QString&, const "
                                        "QString&) !!! ERROR: ") +
                         title + QStringLiteral(" :"))
                 .isEmpty());
}

void TestUpdater::silentFailureShowsNothing()
{
    server->route(manifestPath, {404, "text/plain", "gone"});
    QSignalSpy errors(updater, &UpdateInterface::updateError);
    QCOMPARE(checkResult(), QStringLiteral("Progress"));
    QTest::qWait(100);
    QVERIFY(closer->seen.isEmpty());
    QCOMPARE(errors.size(), 0);
    QVERIFY(!logLines.filter(QStringLiteral("!!! ERROR: JSON download error :")).isEmpty());
}

void TestUpdater::manifestServerNeverAnswers()
{
    HttpServer::Response silent;
    silent.silent = true;
    server->route(manifestPath, silent);
    QCOMPARE(checkResult(), QStringLiteral("Progress"));
    QVERIFY(!logLines
                 .filter(QStringLiteral(
                     "JSON download error : The update server did not answer within 30 seconds."))
                 .isEmpty());
}

void TestUpdater::scheduleByDay()
{
    server->route(manifestPath, {404, "text/plain", "gone"});
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    updater->startupCheck(2023, QStringLiteral("25.0826"));
    QCOMPARE(server->requestedPaths().size(), 1);
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat)
                 .value(QStringLiteral("LAST_CHECK_DATE/Clipmoor"))
                 .toString(),
             today);
    QVERIFY(closer->seen.isEmpty()); // a start-up check reports failures to the log only

    // The failed check counted as today's.
    updater->startupCheck(2023, QStringLiteral("25.0826"));
    QCOMPARE(server->requestedPaths().size(), 1);
    QVERIFY(logLines.contains(QStringLiteral("> Already checked today, do nothing")));

    // Another day checks again.
    QSettings(iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("LAST_CHECK_DATE/Clipmoor"), QStringLiteral("2001-01-01"));
    reload();
    serveManifest(manifest("{\"all\":true}", 2024, "http://x/CLM.exe"));
    updater->startupCheck(2023, QStringLiteral("25.0826"));
    QCOMPARE(server->requestedPaths().size(), 2);
    QTRY_VERIFY(updaterWindow() && updaterWindow()->isVisible());
    QCOMPARE(plugin->property("updateState").toInt(), 1);
}

void TestUpdater::twoWeekSkip_data()
{
    QTest::addColumn<QString>("until");
    QTest::addColumn<bool>("checks");
    QTest::newRow("future") << QDateTime::currentDateTimeUtc().addDays(3).toString(Qt::ISODate)
                            << false;
    QTest::newRow("past") << QDateTime::currentDateTimeUtc().addSecs(-60).toString(Qt::ISODate)
                          << true;
    QTest::newRow("unreadable") << QStringLiteral("next tuesday") << true;
}

void TestUpdater::twoWeekSkip()
{
    QFETCH(QString, until);
    QFETCH(bool, checks);
    QSettings(iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor"), until);
    reload();
    serveManifest(manifest("{\"all\":true}", 2023, "http://x/CLM.exe"));
    QCOMPARE(plugin->property("skipUpdateWindow").toBool(), !checks);

    updater->startupCheck(2023, QStringLiteral("25.0826"));
    QCOMPARE(server->requestedPaths().size(), checks ? 1 : 0);
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat)
                 .contains(QStringLiteral("LAST_CHECK_DATE/Clipmoor")),
             checks);
    QCOMPARE(logLines.contains(QStringLiteral("> Don't check for update for 2 weeks")), !checks);

    // A check the user asks for ignores the skip.
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE_WITH_TIMEOUT(server->requestedPaths().size(), checks ? 2 : 1, 5000);
}

void TestUpdater::skipPropertyAlwaysNotifies()
{
    QSignalSpy changed(plugin, SIGNAL(skipUpdateChanged()));
    QVERIFY(plugin->setProperty("skipUpdateWindow", true));
    QVERIFY(plugin->setProperty("skipUpdateWindow", true));
    QCOMPARE(changed.size(), 2);
    QVERIFY(plugin->property("skipUpdateWindow").toBool());
    const QDateTime until =
        QDateTime::fromString(QSettings(iniPath(), QSettings::IniFormat)
                                  .value(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor"))
                                  .toString(),
                              Qt::ISODate);
    QVERIFY(until.timeSpec() == Qt::UTC);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(14).secsTo(until)) < 60);
    QVERIFY(plugin->setProperty("skipUpdateWindow", false));
    QCOMPARE(changed.size(), 3);
    QVERIFY(!QSettings(iniPath(), QSettings::IniFormat)
                 .contains(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor")));
}

void TestUpdater::applicationNameWithBlanks()
{
    QApplication::setApplicationName(QStringLiteral("My App"));
    reload();
    QVERIFY(plugin->setProperty("skipUpdateWindow", true));
    QSettings ini(iniPath(), QSettings::IniFormat);
    QVERIFY2(ini.fileName().endsWith(QLatin1String("/Quorvel/My App/updater.ini")),
             qPrintable(ini.fileName()));
    QVERIFY(ini.contains(QStringLiteral("SKIP_UPDATE_UNTIL/MyApp")));
    QApplication::setApplicationName(QStringLiteral("Clipmoor"));
    reload();
}

void TestUpdater::offerInstaller(const QByteArray &path, const QByteArray &extra)
{
    serveManifest(manifest("{\"all\":true}", 2024, server->url(path), 0, extra));
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE_WITH_TIMEOUT(plugin->property("updateState").toInt(), 1, 5000);
    QVERIFY(updaterWindow() && updaterWindow()->isVisible());
}

void TestUpdater::downloadSucceeds_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("withChecksum");
    QTest::newRow("installer") << QByteArray("application/octet-stream") << false;
    QTest::newRow("matching checksum") << QByteArray("application/x-msdownload") << true;
    QTest::newRow("Text/HTML is not HTML") << QByteArray("Text/HTML") << false;
}

void TestUpdater::downloadSucceeds()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, withChecksum);
    QByteArray installer(300 * 1024, '\0');
    for (int i = 0; i < installer.size(); ++i)
        installer[i] = char(i * 7);
    HttpServer::Response response{200, type, installer};
    response.bytesPerSecond = 120 * 1024;
    server->route("/files/CLM_Setup%20v2.exe", response);
    const QByteArray checksum =
        QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex();
    offerInstaller("/files/CLM_Setup%20v2.exe",
                   withChecksum ? ",\"sha256\":\"" + checksum.toUpper() + "\"" : QByteArray());

    QSignalSpy progress(plugin, SIGNAL(downloadProgressChanged(uint)));
    QSignalSpy determinate(plugin, SIGNAL(ideterminateProgressBar(bool)));
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QCOMPARE(plugin->property("updateState").toInt(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(closer->seen.size(), 1, 20000);

    QCOMPARE(closer->seen.at(0).title, QStringLiteral("The update has been downloaded"));
    QCOMPARE(
        closer->seen.at(0).text,
        QStringLiteral(
            "The update has been downloaded to your Downloads folder:\n%1\n\nThe Clipmoor will now "
            "close and the installer will guide you through the update process")
            .arg(downloads()));
    QCOMPARE(
        closer->seen.at(0).entries,
        (QStringList{QStringLiteral("Next"), QStringLiteral("     Launch Installer Myself     ")}));
    // Not "Next": the Downloads folder opens and the host keeps running.
    QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(downloads())});
    QCOMPARE(quits.quits, 0);
    QCOMPARE(done.size(), 0);

    QFile file(downloads() + QStringLiteral("/CLM_Setup v2.exe"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), installer);
    // At most one report a second, and always the last one.
    QVERIFY2(progress.size() >= 2 && progress.size() <= 5,
             qPrintable(QString::number(progress.size())));
    QCOMPARE(progress.last().at(0).toUInt(), 100u);
    QCOMPARE(determinate.size(), 1);
    QCOMPARE(determinate.at(0).at(0).toBool(), false);
    QCOMPARE(logLines.filter(QStringLiteral("PRC: (")).size(), progress.size());
}

void TestUpdater::downloadFailures_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("cutAfter");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QStringList>("titles"); // every report, in order; the first one shows a dialog
    QTest::newRow("HTML with a charset")
        << 200 << QByteArray("text/html; charset=utf-8") << -1 << QByteArray()
        << QStringList{QStringLiteral("Server returned HTML instead of file")};
    QTest::newRow("status other than 200")
        << 203 << QByteArray("application/octet-stream") << -1 << QByteArray()
        << QStringList{QStringLiteral("Server error")};
    // The second report comes while the first dialog is open: it is logged only.
    QTest::newRow("not found") << 404 << QByteArray("text/plain") << -1 << QByteArray()
                               << QStringList{QStringLiteral("Network error"),
                                              QStringLiteral("Download failed")};
    QTest::newRow("connection closed in the middle")
        << 200 << QByteArray("application/octet-stream") << 50000 << QByteArray()
        << QStringList{QStringLiteral("Network error"), QStringLiteral("Download failed")};
    QTest::newRow("checksum mismatch")
        << 200 << QByteArray("application/octet-stream") << -1 << QByteArray(",\"sha256\":\"00ff\"")
        << QStringList{QStringLiteral("Download failed")};
}

void TestUpdater::downloadFailures()
{
    QFETCH(int, status);
    QFETCH(QByteArray, type);
    QFETCH(int, cutAfter);
    QFETCH(QByteArray, extra);
    QFETCH(QStringList, titles);
    HttpServer::Response response{status, type, QByteArray(200 * 1024, 'x')};
    response.cutAfter = cutAfter;
    server->route("/files/CLM.exe", response);
    offerInstaller("/files/CLM.exe", extra);

    QSignalSpy errors(updater, &UpdateInterface::updateError);
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QTRY_COMPARE_WITH_TIMEOUT(closer->seen.size(), 1, 20000);
    QTest::qWait(300);
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("UPD. ERROR: ") + titles.first());
    QCOMPARE(errors.size(), 1);
    QStringList reported;
    const QString marker = QStringLiteral("const QString&) !!! ERROR: ");
    for (const QString &line : std::as_const(logLines)) {
        const qsizetype at = line.indexOf(marker);
        if (at >= 0)
            reported.append(line.mid(at + marker.size()).section(QStringLiteral(" :"), 0, 0));
    }
    QCOMPARE(reported, titles);
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/CLM.exe")));
    QVERIFY(!updaterWindow()->isVisible());
    QCOMPARE(quits.quits, 0);

    // Nothing is left to abort afterwards.
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateCancel"));
    QTest::qWait(100);
    QCOMPARE(closer->seen.size(), 1);
}

void TestUpdater::unknownTotalSize()
{
    HttpServer::Response response{200, "application/octet-stream", QByteArray(150 * 1024, 'y')};
    response.withLength = false;
    response.bytesPerSecond = 60 * 1024;
    server->route("/files/CLM.exe", response);
    offerInstaller("/files/CLM.exe");
    QSignalSpy progress(plugin, SIGNAL(downloadProgressChanged(uint)));
    QSignalSpy determinate(plugin, SIGNAL(ideterminateProgressBar(bool)));
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QTRY_COMPARE_WITH_TIMEOUT(closer->seen.size(), 1, 20000);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("The update has been downloaded"));
    // Without a total every report says 0 %, at most one a second, until the network
    // layer learns the total at the end.
    QVERIFY2(progress.size() >= 2 && progress.size() <= 5,
             qPrintable(QString::number(progress.size())));
    for (int i = 0; i + 1 < progress.size(); ++i)
        QCOMPARE(progress.at(i).at(0).toUInt(), 0u);
    QCOMPARE(progress.last().at(0).toUInt(), 100u);
    QCOMPARE(determinate.size(), 1);
    QCOMPARE(QFileInfo(downloads() + QStringLiteral("/CLM.exe")).size(), 150 * 1024);
}

void TestUpdater::downloadsFolderProblems()
{
    server->route("/files/CLM.exe", {200, "application/octet-stream", "installer"});
    offerInstaller("/files/CLM.exe");

    // A folder where the installer should go: it can be neither replaced nor written.
    QVERIFY(QDir().mkpath(downloads() + QStringLiteral("/CLM.exe/inside")));
    closer->onDialog = [](QDialog *dialog) {
        for (QAbstractButton *button : qobject_cast<QMessageBox *>(dialog)->buttons()) {
            if (button->text().trimmed() == QLatin1String("Download Again"))
                button->click();
        }
    };
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QTRY_COMPARE(closer->seen.size(), 2);
    QCOMPARE(closer->seen.at(1).title, QStringLiteral("UPD. ERROR: File error"));
    QVERIFY(closer->seen.at(1).details.contains(QLatin1String("for writing:")));
    QVERIFY(QFileInfo(downloads() + QStringLiteral("/CLM.exe/inside")).isDir());

    // A file where the Downloads folder should be.
    QVERIFY(QDir(downloads()).removeRecursively());
    QFile blocker(downloads());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    closer->onDialog = nullptr;
    offerInstaller("/files/CLM.exe");
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QTRY_COMPARE(closer->seen.size(), 3);
    QCOMPARE(closer->seen.at(2).title, QStringLiteral("UPD. ERROR: Output dir error"));
    QVERIFY(closer->seen.at(2).details.contains(QStringLiteral("Cannot create output directory: ") +
                                                downloads()));
    QVERIFY(QFileInfo(downloads()).isFile());
    QFile::remove(downloads());
}

void TestUpdater::cancelDuringDownload()
{
    HttpServer::Response response{200, "application/octet-stream", QByteArray(400 * 1024, 'x')};
    response.bytesPerSecond = 50 * 1024;
    server->route("/files/CLM.exe", response);
    offerInstaller("/files/CLM.exe");
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    QSignalSpy errors(updater, &UpdateInterface::updateError);
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    const QString partial = downloads() + QStringLiteral("/CLM.exe");
    QTRY_VERIFY(QFileInfo(partial).size() > 0);

    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateCancel"));
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("Download cancelled"));
    QCOMPARE(closer->seen.at(0).text, QStringLiteral("The download was cancelled by the user."));
    QVERIFY(!QFile::exists(partial));
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(errors.size(), 0);
    QVERIFY(
        !logLines
             .filter(QStringLiteral("ReturnExceptUserCancel Network error : Operation canceled"))
             .isEmpty());
}

void TestUpdater::installerAlreadyOnDisk_data()
{
    QTest::addColumn<QString>("button"); // empty: the dialog is closed
    QTest::addColumn<bool>("again");
    QTest::newRow("closed") << QString() << false;
    QTest::newRow("run the existing one") << QStringLiteral("     Run Installer     ") << false;
    QTest::newRow("download again") << QStringLiteral("     Download Again     ") << true;
}

void TestUpdater::installerAlreadyOnDisk()
{
    QFETCH(QString, button);
    QFETCH(bool, again);
    server->route("/files/CLM.exe", {200, "application/octet-stream", "new installer"});
    QVERIFY(QDir().mkpath(downloads()));
    const QString path = downloads() + QStringLiteral("/CLM.exe");
    const QString ran = downloads() + QStringLiteral("/ran");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(ran).toUtf8());
    old.close();
    QVERIFY(old.setPermissions(old.permissions() | QFile::ExeOwner));
    offerInstaller("/files/CLM.exe");
    closer->onDialog = [button](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        for (QAbstractButton *candidate : box->buttons()) {
            if (!button.isEmpty() && candidate->text() == button)
                candidate->click();
        }
    };
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    const int requests = int(server->requestedPaths().size());
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QTRY_VERIFY(!closer->seen.isEmpty());
    const ModalCloser::Seen &dialog = closer->seen.at(0);
    QCOMPARE(dialog.title, QStringLiteral("Installer already downloaded"));
    QCOMPARE(
        dialog.text,
        QStringLiteral("The installer file already exists:\n%1\n\nDo you want to run the existing "
                       "installer, or download it again?")
            .arg(path));
    QStringList buttons = dialog.entries;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("     Cancel     "),
                                   QStringLiteral("     Download Again     "),
                                   QStringLiteral("     Run Installer     ")}));
    if (again) {
        QTRY_COMPARE(closer->seen.size(), 2);
        QCOMPARE(closer->seen.at(1).title, QStringLiteral("The update has been downloaded"));
        QFile fresh(path);
        QVERIFY(fresh.open(QIODevice::ReadOnly));
        QCOMPARE(fresh.readAll(), QByteArray("new installer"));
        QCOMPARE(done.size(), 0);
        return;
    }
    // Ending here tells the host twice: once directly, once as the window hides.
    QTRY_COMPARE(done.size(), 2);
    QCOMPARE(int(server->requestedPaths().size()), requests);
    QVERIFY(QFile::exists(path));
    if (!button.isEmpty())
        QTRY_VERIFY(QFile::exists(ran));
    else
        QVERIFY(!QFile::exists(ran));
}

void TestUpdater::unsafeInstallerNames_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("no name") << QByteArray("/files/");
    QTest::newRow("dot dot") << QByteArray("/files/%2E%2E");
    QTest::newRow("dot") << QByteArray("/files/%2E");
    QTest::newRow("backslash") << QByteArray("/files/..%5C..%5Cevil.exe");
}

// A name from the manifest that would write outside the Downloads folder is refused.
void TestUpdater::unsafeInstallerNames()
{
    QFETCH(QByteArray, path);
    offerInstaller(path);
    const QStringList before = QDir(downloads()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const int requests = int(server->requestedPaths().size());
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("UPD. ERROR: File error"));
    QCOMPARE(int(server->requestedPaths().size()), requests);
    QCOMPARE(QDir(downloads()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(QDir(downloads()).exists());
    QVERIFY(
        !QFileInfo::exists(QFileInfo(downloads()).absolutePath() + QStringLiteral("/evil.exe")));
}

void TestUpdater::reentryGuard()
{
    offerInstaller("/files/");
    QSignalSpy errors(updater, &UpdateInterface::updateError);
    bool again = true;
    closer->onDialog = [this, &again](QDialog *) {
        // A second failure while the first dialog is open is logged only.
        if (std::exchange(again, false))
            QMetaObject::invokeMethod(plugin, "userUpdateClicked");
    };
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(logLines.filter(QStringLiteral("!!! ERROR: File error :")).size(), 2);
}

void TestUpdater::oldVersionOpensWebPage()
{
    serveManifest(manifest("{\"all\":true}", 2024, server->url("/files/CLM.exe"), 2020));
    updater->manualCheck(2000, QStringLiteral("2.0.023"));
    QTRY_COMPARE_WITH_TIMEOUT(plugin->property("updateState").toInt(), 1, 5000);
    QVERIFY(QMetaObject::invokeMethod(plugin, "userUpdateClicked"));
    QCOMPARE(urls.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.invalid/old-release"))});
    QTRY_VERIFY(!updaterWindow()->isVisible());
    QVERIFY(!server->requestedPaths().contains("/files/CLM.exe"));
}

void TestUpdater::windowViews()
{
    serveManifest(manifest("{\"all\":false}", 2024, "http://x/CLM.exe"));
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QQuickWindow *window = updaterWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->title(), QStringLiteral("Clipmoor Updater"));
    QCOMPARE(window->modality(), Qt::ApplicationModal);
    QVERIFY(window->flags().testFlag(Qt::Dialog));
    QVERIFY(!window->icon().isNull());
    QCOMPARE(QQuickStyle::name(), QStringLiteral("Material"));
    QCOMPARE(window->width(), 400);

    const auto view = [window](const char *name) {
        return window->findChild<QQuickItem *>(QLatin1String(name));
    };
    const struct {
        int state;
        int height;
        const char *visible;
    } states[] = {{3, 160, "progressView"},
                  {1, 270, "offerView"},
                  {2, 190, "currentView"},
                  {0, 160, nullptr}};
    for (const auto &expected : states) {
        QVERIFY(plugin->setProperty("updateState", expected.state));
        QTRY_COMPARE(window->height(), expected.height);
        for (const char *name : {"progressView", "offerView", "currentView"})
            QCOMPARE(view(name)->isVisible(),
                     expected.visible && qstrcmp(name, expected.visible) == 0);
    }

    QVERIFY(plugin->setProperty("updateState", 3));
    QQuickItem *bar = view("progressBar");
    QVERIFY(bar->property("indeterminate").toBool());
    QVERIFY(QMetaObject::invokeMethod(plugin, "ideterminateProgressBar", Q_ARG(bool, false)));
    QVERIFY(!bar->property("indeterminate").toBool());
    QVERIFY(QMetaObject::invokeMethod(plugin, "downloadProgressChanged", Q_ARG(uint, 50)));
    QCOMPARE(bar->property("value").toDouble(), 0.5);

    // Updates disabled: the progress view stays until the user closes it, and closing
    // it tells the host nothing.
    QTest::qWait(900);
    QVERIFY(window->isVisible());
    QVERIFY(QMetaObject::invokeMethod(view("closeButton"), "clicked"));
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(done.size(), 0);
}

void TestUpdater::skipBoxInWindow()
{
    QVERIFY(plugin->setProperty("skipUpdateWindow", true));
    serveManifest(manifest("{\"all\":true}", 2023, "http://x/CLM.exe"));
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE_WITH_TIMEOUT(plugin->property("updateState").toInt(), 2, 5000);
    QList<QQuickItem *> boxes;
    for (QQuickItem *item : updaterWindow()->findChildren<QQuickItem *>(QStringLiteral("skipBox")))
        boxes.append(item);
    QCOMPARE(boxes.size(), 2);
    for (QQuickItem *box : boxes)
        QVERIFY(box->property("checked").toBool());
    boxes.first()->setProperty("checked", false);
    QVERIFY(!plugin->property("skipUpdateWindow").toBool());
    QVERIFY(!QSettings(iniPath(), QSettings::IniFormat)
                 .contains(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor")));
}

CLIPMOOR_TEST_MAIN(TestUpdater)
#include "tst_updater.moc"
