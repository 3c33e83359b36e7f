// The updater's parts against a real HTTP server on 127.0.0.1: the schedule in
// updater.ini, the manifest, the public-address lookup, the installer download, its
// dialogs and hand-off, and the QML window on the offscreen platform.
#include "tests/support/httpserver.h"
#include "tests/support/modalcloser.h"
#include "tests/support/testmain.h"
#include "updater/addresslookup.h"
#include "updater/installerdownload.h"
#include "updater/manifestfetch.h"
#include "updater/updateflow.h"
#include "updater/updaterconfig.h"
#include "updater/updateschedule.h"
#include "updater/windowcontroller.h"

#include <QAbstractButton>
#include <QCryptographicHash>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <optional>

#include <sys/mount.h>

Q_DECLARE_METATYPE(HttpServer::Response)

using State = UpdaterState::State;

namespace {

const QByteArray manifestPath = "/files/upd/clm-updater-linux.json";
constexpr int shortLimitMs = 400;

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

QByteArray manifest(const QByteArray &enabled, int latest, const QByteArray &installer, int old = 0,
                    const QByteArray &extra = QByteArray())
{
    return "{\"enabled\":" + enabled + ",\"lst\":{\"ver\":" + QByteArray::number(latest) +
           ",\"pth\":\"" + installer + "\"" + extra +
           "},\"old\":{\"ver\":" + QByteArray::number(old) +
           ",\"pth\":\"https://example.invalid/old-release\"}}";
}

QByteArray script(const QString &marker)
{
    return QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8();
}

void clickButton(QDialog *dialog, const QString &caption)
{
    for (QAbstractButton *button : qobject_cast<QMessageBox *>(dialog)->buttons()) {
        if (button->text().trimmed() == caption)
            button->click();
    }
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

    void manifestDecides_data();
    void manifestDecides();
    void addressList_data();
    void addressList();
    void addressLookupIsCached();
    void manifestFailuresAreReported_data();
    void manifestFailuresAreReported();
    void silentFailureShowsNothing();
    void manifestServerNeverAnswers();
    void leftCheckIsDropped();
    void scheduleByDay();
    void twoWeekSkip_data();
    void twoWeekSkip();
    void skipAlwaysNotifies();
    void applicationNameWithBlanks();
    void downloadSucceeds_data();
    void downloadSucceeds();
    void handOff_data();
    void handOff();
    void downloadFailures_data();
    void downloadFailures();
    void cancelDuringDownload_data();
    void cancelDuringDownload();
    void unknownTotalSize();
    void downloadsFolderProblems();
    void installerAlreadyOnDisk_data();
    void installerAlreadyOnDisk();
    void refusedInstallerAddresses_data();
    void refusedInstallerAddresses();
    void reentryGuard();
    void oldVersionOpensWebPage();
    void packageManagerUpdates_data();
    void packageManagerUpdates();
    void windowViews();
    void skipBoxInWindow();

private:
    void reload();
    void serveManifest(const QByteArray &body, const QByteArray &type = "application/json");
    State checkResult();
    void offerInstaller(const QByteArray &address, const QByteArray &extra = QByteArray());
    QQuickWindow *updaterWindow() const { return flow->window()->window(); }
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
    std::unique_ptr<UpdateFlow> flow;
    UrlRecorder urls;
};

void TestUpdater::initTestCase()
{
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication::setApplicationVersion(QStringLiteral("2.0.023"));
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &urls, "open");
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
    qInstallMessageHandler(capture);
    reload();
    closer = std::make_unique<ModalCloser>();
}

void TestUpdater::cleanup()
{
    flow.reset();
    closer.reset();
    qInstallMessageHandler(nullptr);
    if (QTest::currentTestFailed())
        qWarning().noquote() << logLines.join(QLatin1Char('\n'));
    // Releasing the window leaves no script error behind.
    QVERIFY(logLines.filter(QStringLiteral("TypeError")).isEmpty());
}

// A fresh updater for every test, as after a new start of the program, with short limits
// and the lookup services in a fixed order.
void TestUpdater::reload()
{
    flow = std::make_unique<UpdateFlow>();
    UpdateFlow::Timing timing;
    timing.manualCheckDelayMs = 10;
    timing.manifest.timeoutMs = shortLimitMs;
    flow->setTiming(timing);
    flow->addressLookup()->setServices(UpdaterConfig::addressLookupUrls(),
                                       AddressLookup::Order::AsGiven);
    flow->addressLookup()->setTimeoutMs(shortLimitMs);
}

void TestUpdater::serveManifest(const QByteArray &body, const QByteArray &type)
{
    HttpServer::Response response;
    response.contentType = type;
    response.body = body;
    server->route(manifestPath, response);
}

// The outcome of a silent check.
State TestUpdater::checkResult()
{
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->silentCheck(2023, QStringLiteral("25.0826"));
    if (!finished.wait(10000))
        return UpdaterState::Indefinite;
    return finished.at(0).at(0).value<State>();
}

void TestUpdater::manifestDecides_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<State>("result");
    const QByteArray all = "{\"all\":true}";
    QTest::newRow("newer release")
        << manifest(all, 2024, "http://x/CLM.exe") << UpdaterState::UpdateYes;
    QTest::newRow("same release") << manifest(all, 2023, "http://x/CLM.exe")
                                  << UpdaterState::UpdateNot;
    QTest::newRow("older release")
        << manifest(all, 2000, "http://x/CLM.exe") << UpdaterState::UpdateNot;
    QTest::newRow("version as text reads 0")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":\"2024\"}}")
        << UpdaterState::UpdateNot;
    QTest::newRow("negative version reads 0")
        << manifest(all, -5, "http://x/CLM.exe") << UpdaterState::UpdateNot;
    QTest::newRow("fraction reads 0")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":2024.5}}")
        << UpdaterState::UpdateNot;
    QTest::newRow("zero fraction is whole")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":2024.0}}")
        << UpdaterState::UpdateYes;
    QTest::newRow("beyond 32 bits reads 0")
        << QByteArray("{\"enabled\":{\"all\":true},\"lst\":{\"ver\":4294969319}}")
        << UpdaterState::UpdateNot;
    QTest::newRow("all must be the JSON true")
        << manifest("{\"all\":\"true\"}", 2024, "http://x/CLM.exe") << UpdaterState::Progress;
    QTest::newRow("not enabled, no addresses")
        << manifest("{\"all\":false}", 2024, "http://x/CLM.exe") << UpdaterState::Progress;
    QTest::newRow("empty object") << QByteArray("{}") << UpdaterState::Progress;
}

void TestUpdater::manifestDecides()
{
    QFETCH(QByteArray, body);
    QFETCH(State, result);
    serveManifest(body);
    QCOMPARE(checkResult(), result);
    // A start-up or silent check shows the window only for an offer.
    QCOMPARE(flow->window()->isVisible(), result == UpdaterState::UpdateYes);
    // Without "ips" no address is looked up.
    QCOMPARE(server->requestedPaths(), QList<QByteArray>{manifestPath});
    QVERIFY(logLines.filter(QStringLiteral("!!! ERROR:")).isEmpty());
    if (QByteArray(QTest::currentDataTag()).startsWith("negative"))
        QVERIFY(!logLines
                     .filter(QStringLiteral(
                         "ConverToUINT !!! WARNING: negative version in JSON! val = -5"))
                     .isEmpty());
}

void TestUpdater::addressList_data()
{
    QTest::addColumn<QByteArray>("ips");
    QTest::addColumn<QByteArray>("root"); // the lookup answers, asked in this order
    QTest::addColumn<QByteArray>("ip");
    QTest::addColumn<QByteArray>("php");
    QTest::addColumn<State>("result");
    QTest::addColumn<int>("lookups");
    const QByteArray address = "203.0.113.9\n";
    QTest::newRow("listed address, answer with a line break")
        << QByteArray("[\"10.0.0.1\",\"203.0.113.9\"]") << address << address << address
        << UpdaterState::UpdateYes << 1;
    QTest::newRow("address written otherwise does not match")
        << QByteArray("[\"203.0.113.09\"]") << address << address << address
        << UpdaterState::Progress << 1;
    QTest::newRow("HTML answers are skipped")
        << QByteArray("[\"203.0.113.9\"]") << QByteArray("<html><body>203.0.113.9</body></html>")
        << QByteArray("<html>x</html>") << address << UpdaterState::UpdateYes << 3;
    QTest::newRow("an endpoint that never answers is passed over")
        << QByteArray("[\"2001:db8::7\"]") << QByteArray() << QByteArray("2001:db8::7")
        << QByteArray("2001:db8::7") << UpdaterState::UpdateYes << 2;
    QTest::newRow("no address found matches only a non-string")
        << QByteArray("[\"203.0.113.9\", 5]") << QByteArray("nope") << QByteArray("nope")
        << QByteArray("nope") << UpdaterState::UpdateYes << 3;
}

void TestUpdater::addressList()
{
    QFETCH(QByteArray, ips);
    QFETCH(QByteArray, root);
    QFETCH(QByteArray, ip);
    QFETCH(QByteArray, php);
    QFETCH(State, result);
    QFETCH(int, lookups);
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
    QCOMPARE(server->requestedPaths().mid(1),
             (QList<QByteArray>{"/", "/ip", "/ip.php"}.mid(0, lookups)));
}

void TestUpdater::addressLookupIsCached()
{
    serveManifest(manifest("{\"all\":false,\"ips\":[\"198.51.100.1\",\"198.51.100.2\"]}", 2024,
                           "http://x/CLM.exe"));
    for (const QByteArray path : {"/", "/ip", "/ip.php"})
        server->route(path, {200, "text/plain", "198.51.100.2"});
    QCOMPARE(checkResult(), UpdaterState::UpdateYes);
    QCOMPARE(checkResult(), UpdaterState::UpdateYes);
    // One lookup answered both elements and the second check.
    QCOMPARE(server->requestedPaths(), (QList<QByteArray>{manifestPath, "/", manifestPath}));
    QCOMPARE(flow->addressLookup()->cached(), QStringLiteral("198.51.100.2"));
}

void TestUpdater::manifestFailuresAreReported_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // %1: the manifest's address
    QTest::newRow("not found") << 404 << QByteArray("gone") << QStringLiteral("JSON download error")
                               << QStringLiteral("URL: %1");
    QTest::newRow("server error") << 500 << QByteArray("oops")
                                  << QStringLiteral("JSON download error")
                                  << QStringLiteral("URL: %1");
    QTest::newRow("larger than 1 MiB")
        << 200 << QByteArray("{\"enabled\":\"" + QByteArray(1024 * 1024, 'x') + "\"}")
        << QStringLiteral("JSON download error")
        << QStringLiteral("The manifest is larger than 1048576 bytes. URL: %1");
    QTest::newRow("invalid JSON") << 200 << QByteArray("{\"enabled\": ")
                                  << QStringLiteral("JSON parse error") << QString();
    QTest::newRow("root is an array")
        << 200 << QByteArray("[1,2]") << QStringLiteral("JSON parse error")
        << QStringLiteral("JSON root is not an object!");
    QTest::newRow("checksum that is no text")
        << 200 << manifest("{\"all\":true}", 2024, "http://x/CLM.exe", 0, ",\"sha256\":5")
        << QStringLiteral("JSON parse error")
        << QStringLiteral("The checksum \"lst\".\"sha256\" is not a string");
}

void TestUpdater::manifestFailuresAreReported()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, title);
    QFETCH(QString, text);
    server->route(manifestPath, {status, "application/json", body});
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE_WITH_TIMEOUT(closer->seen.size(), 1, 10000);
    const ModalCloser::Seen &dialog = closer->seen.at(0);
    QCOMPARE(dialog.title, QStringLiteral("UPD. ERROR: ") + title);
    QVERIFY(dialog.text.startsWith(
        QLatin1String("We are attempting to download and process the update")));
    // Security programs rarely block an update here: the advice does not ask to disable them.
    QVERIFY2(!dialog.text.contains(QLatin1String("antivirus")), qPrintable(dialog.text));
    QVERIFY2(dialog.details.startsWith(title + QStringLiteral(":\n\n")),
             qPrintable(dialog.details));
    if (!text.isEmpty())
        QVERIFY2(dialog.details.contains(text.arg(QString::fromLatin1(server->url(manifestPath)))),
                 qPrintable(dialog.details));
    QCOMPARE(errors.size(), 1);
    // The failure closed the window without telling the host it is done.
    QTRY_VERIFY(!flow->window()->isVisible());
    QCOMPARE(done.size(), 0);
}

void TestUpdater::silentFailureShowsNothing()
{
    server->route(manifestPath, {404, "text/plain", "gone"});
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    QCOMPARE(checkResult(), UpdaterState::Progress);
    QVERIFY(closer->seen.isEmpty());
    QCOMPARE(errors.size(), 0);
    QVERIFY(!logLines.filter(QStringLiteral("!!! ERROR: JSON download error :")).isEmpty());
}

void TestUpdater::manifestServerNeverAnswers()
{
    HttpServer::Response silent;
    silent.silent = true;
    server->route(manifestPath, silent);
    ManifestFetch::Limits limits;
    limits.timeoutMs = shortLimitMs;
    ManifestFetch fetch(limits);
    QSignalSpy failed(&fetch, &ManifestFetch::failed);
    QSignalSpy fetched(&fetch, &ManifestFetch::fetched);
    fetch.start(UpdaterConfig::manifestUrl());
    QVERIFY(failed.wait());
    QCOMPARE(failed.at(0).at(0).toString(),
             QStringLiteral("The update server did not answer within 0.4 seconds. \n\nURL: %1")
                 .arg(QString::fromLatin1(server->url(manifestPath))));
    QCOMPARE(fetched.size(), 0);
    // Through a check, the same failure ends it without an offer.
    QCOMPARE(checkResult(), UpdaterState::Progress);
}

// A check whose window the user closed is dropped with its request; it neither closes
// the window of a newer check nor reports anything.
void TestUpdater::leftCheckIsDropped()
{
    HttpServer::Response hanging;
    hanging.silent = true;
    server->route(manifestPath, hanging);
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE(server->requestedPaths().size(), 1);
    QVERIFY(flow->isChecking());
    updaterWindow()->close();
    QVERIFY(!flow->isChecking());

    HttpServer::Response late{200, "application/json", manifest("{\"all\":true}", 2023, "x")};
    late.delayMs = shortLimitMs / 2;
    server->route(manifestPath, late);
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).value<State>(), UpdaterState::UpdateNot);
    QVERIFY(flow->window()->isVisible());
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateNot);
    // Past the time limit the first check would have had: a fetch with that limit, started
    // later against a server that never answers, gives up first.
    HttpServer::Response silent;
    silent.silent = true;
    server->route(manifestPath, silent);
    ManifestFetch::Limits limits;
    limits.timeoutMs = shortLimitMs;
    ManifestFetch later(limits);
    QSignalSpy laterFailed(&later, &ManifestFetch::failed);
    later.start(UpdaterConfig::manifestUrl());
    QVERIFY(laterFailed.wait());
    QCOMPARE(errors.size(), 0);
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateNot);
    QVERIFY(closer->seen.isEmpty());
}

void TestUpdater::scheduleByDay()
{
    server->route(manifestPath, {404, "text/plain", "gone"});
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->startupCheck(2023, QStringLiteral("25.0826"));
    QVERIFY(finished.wait());
    QCOMPARE(server->requestedPaths().size(), 1);
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat)
                 .value(QStringLiteral("LAST_CHECK_DATE/Clipmoor"))
                 .toString(),
             today);
    QVERIFY(closer->seen.isEmpty()); // a start-up check reports failures to the log only

    // The failed check counted as today's.
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    flow->startupCheck(2023, QStringLiteral("25.0826"));
    QVERIFY(!flow->isChecking());
    QCOMPARE(server->requestedPaths().size(), 1);
    QVERIFY(logLines.contains(QStringLiteral("> Already checked today, do nothing")));

    // Another day checks again.
    QSettings(iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("LAST_CHECK_DATE/Clipmoor"), QStringLiteral("2001-01-01"));
    reload();
    serveManifest(manifest("{\"all\":true}", 2024, "http://x/CLM.exe"));
    flow->startupCheck(2023, QStringLiteral("25.0826"));
    QTRY_VERIFY(flow->window()->isVisible());
    QCOMPARE(server->requestedPaths().size(), 2);
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateYes);
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
    QCOMPARE(flow->schedule()->skipRunning(), !checks);

    flow->startupCheck(2023, QStringLiteral("25.0826"));
    QCOMPARE(flow->isChecking(), checks);
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat)
                 .contains(QStringLiteral("LAST_CHECK_DATE/Clipmoor")),
             checks);
    QCOMPARE(logLines.contains(QStringLiteral("> Don't check for update for 2 weeks")), !checks);
    QTRY_VERIFY(!flow->isChecking());

    // A check the user asks for ignores the skip.
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QTRY_COMPARE(server->requestedPaths().size(), checks ? 2 : 1);
}

void TestUpdater::skipAlwaysNotifies()
{
    QSignalSpy changed(flow->window(), &WindowController::skipUpdateChanged);
    flow->window()->setSkipUpdateWindow(true);
    flow->window()->setSkipUpdateWindow(true);
    QCOMPARE(changed.size(), 2);
    QVERIFY(flow->window()->skipUpdateWindow());
    const QDateTime until =
        QDateTime::fromString(QSettings(iniPath(), QSettings::IniFormat)
                                  .value(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor"))
                                  .toString(),
                              Qt::ISODate);
    QVERIFY(until.timeSpec() == Qt::UTC);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(14).secsTo(until)) < 60);
    flow->window()->setSkipUpdateWindow(false);
    QCOMPARE(changed.size(), 3);
    QVERIFY(!QSettings(iniPath(), QSettings::IniFormat)
                 .contains(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor")));
}

void TestUpdater::applicationNameWithBlanks()
{
    QApplication::setApplicationName(QStringLiteral("My App"));
    reload();
    flow->schedule()->setSkip(true);
    QSettings ini(iniPath(), QSettings::IniFormat);
    QVERIFY2(ini.fileName().endsWith(QLatin1String("/Quorvel/My App/updater.ini")),
             qPrintable(ini.fileName()));
    QCOMPARE(flow->schedule()->fileName(), ini.fileName());
    QVERIFY(ini.contains(QStringLiteral("SKIP_UPDATE_UNTIL/MyApp")));
    QApplication::setApplicationName(QStringLiteral("Clipmoor"));
    reload();
}

void TestUpdater::offerInstaller(const QByteArray &address, const QByteArray &extra)
{
    serveManifest(manifest("{\"all\":true}", 2024,
                           address.contains(':') ? address : server->url(address), 0, extra));
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QVERIFY(finished.wait(20000));
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateYes);
    QVERIFY(flow->window()->isVisible());
}

void TestUpdater::downloadSucceeds_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("withChecksum");
    QTest::newRow("installer") << QByteArray("application/octet-stream") << false;
    QTest::newRow("matching checksum") << QByteArray("application/x-msdownload") << true;
    QTest::newRow("Text/HTML is not HTML") << QByteArray("Text/HTML") << false;
}

namespace {
constexpr int reportIntervalMs = 200;

// Records when each progress report arrives and checks the rule: at most one report per
// interval, the last one excepted. Gaps only grow on a busy machine.
class ReportTimes : public QObject {
public:
    explicit ReportTimes(WindowController *window)
    {
        clock.start();
        connect(window, &WindowController::downloadProgressChanged, this,
                [this] { times.append(clock.elapsed()); });
    }
    bool spacedOut() const
    {
        for (qsizetype i = 1; i + 1 < times.size(); ++i) {
            if (times.at(i) - times.at(i - 1) < reportIntervalMs - 5)
                return false;
        }
        return true;
    }
    QList<qint64> times;

private:
    QElapsedTimer clock;
};
} // namespace

void TestUpdater::downloadSucceeds()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, withChecksum);
    QByteArray installer(300 * 1024, '\0');
    for (int i = 0; i < installer.size(); ++i)
        installer[i] = char(i * 7);
    HttpServer::Response response{200, type, installer};
    response.bytesPerSecond = 600 * 1024;
    flow->download()->setProgressIntervalMs(reportIntervalMs);
    ReportTimes times(flow->window());
    server->route("/files/CLM_Setup%20v2.exe", response);
    const QByteArray checksum =
        QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex();
    offerInstaller("/files/CLM_Setup%20v2.exe",
                   withChecksum ? ",\"sha256\":\"" + checksum.toUpper() + "\"" : QByteArray());

    QSignalSpy progress(flow->window(), &WindowController::downloadProgressChanged);
    QSignalSpy determinate(flow->window(), &WindowController::ideterminateProgressBar);
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    QSignalSpy running(flow.get(), &UpdateFlow::installerStarted);
    flow->window()->userUpdateClicked();
    QCOMPARE(flow->window()->updateState(), UpdaterState::Progress);
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
    QCOMPARE(running.size(), 0);
    QCOMPARE(done.size(), 0);

    QFile file(downloads() + QStringLiteral("/CLM_Setup v2.exe"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), installer);
    // At most one report per interval, and always the last one.
    QVERIFY2(progress.size() >= 2, qPrintable(QString::number(progress.size())));
    QVERIFY(times.spacedOut());
    QCOMPARE(progress.last().at(0).toUInt(), 100u);
    QCOMPARE(determinate.size(), 1);
    QCOMPARE(determinate.at(0).at(0).toBool(), false);
}

void TestUpdater::handOff_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("runnable"); // a script that leaves a marker file
    QTest::addColumn<bool>("opened");   // handed to the desktop instead
    QTest::addColumn<bool>("started");
    QTest::newRow("program is made executable and started")
        << QByteArray("CLM.run") << true << false << true;
    QTest::newRow("Debian package goes to the desktop")
        << QByteArray("clipmoor_2.0.24.deb") << false << true << true;
    QTest::newRow("Flatpak reference goes to the desktop")
        << QByteArray("Clipmoor.flatpakref") << false << true << true;
    QTest::newRow("unstartable file is reported")
        << QByteArray("CLM.bin") << false << false << false;
}

// "Next" after a finished download hands the installer to the system.
void TestUpdater::handOff()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, runnable);
    QFETCH(bool, opened);
    QFETCH(bool, started);
    const QString marker = QDir::temp().filePath(
        QStringLiteral("clipmoor-handoff-%1").arg(QCoreApplication::applicationPid()));
    QFile::remove(marker);
    server->route("/files/" + name,
                  {200, "application/octet-stream",
                   runnable ? script(marker) : QByteArray("\x7f\x01 no program")});
    offerInstaller("/files/" + name);
    closer->onDialog = [](QDialog *dialog) {
        clickButton(dialog, QStringLiteral("Next"));
    };
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    QSignalSpy running(flow.get(), &UpdateFlow::installerStarted);
    flow->window()->userUpdateClicked();
    QTRY_COMPARE_WITH_TIMEOUT(running.size() + errors.size(), 1, 20000);
    const QString path = downloads() + QLatin1Char('/') + QString::fromLatin1(name);
    QCOMPARE(running.size(), started ? 1 : 0);
    QCOMPARE(urls.opened, opened ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
    if (runnable) {
        QVERIFY(QFileInfo(path).permissions().testFlag(QFile::ExeOwner));
        QTRY_VERIFY(QFile::exists(marker));
        QFile::remove(marker);
    }
    if (!started) {
        QTRY_COMPARE(closer->seen.size(), 2);
        QCOMPARE(closer->seen.at(1).title, QStringLiteral("UPD. ERROR: Installer error"));
        QVERIFY2(closer->seen.at(1).details.contains(QStringLiteral("Cannot start ") + path),
                 qPrintable(closer->seen.at(1).details));
    }
}

namespace {
constexpr qint64 downloadLimitBytes = 256 * 1024;

// The Downloads folder on a file system of 64 KiB while the object lives; mounting it
// needs root.
class TinyDisk {
public:
    explicit TinyDisk(const QString &path_)
        : path(QFile::encodeName(path_))
    {
        QDir().mkpath(path_);
        mounted = mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyDisk()
    {
        if (mounted)
            umount2(path.constData(), MNT_DETACH);
    }
    bool mounted = false;

private:
    QByteArray path;
};
} // namespace

void TestUpdater::downloadFailures_data()
{
    QTest::addColumn<HttpServer::Response>("response");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reason"); // in the report's details
    const auto answer = [](int status, const QByteArray &type) {
        return HttpServer::Response{status, type, QByteArray(200 * 1024, 'x')};
    };
    const QByteArray binary = "application/octet-stream";
    QTest::newRow("HTML with a charset")
        << answer(200, "text/html; charset=utf-8") << QByteArray() << false
        << QStringLiteral("Server returned HTML instead of file") << QStringLiteral("xxx");
    QTest::newRow("status other than 200")
        << answer(203, binary) << QByteArray() << false << QStringLiteral("Server error")
        << QStringLiteral("HTTP status: 203");
    QTest::newRow("not found") << answer(404, "text/plain") << QByteArray() << false
                               << QStringLiteral("Network error")
                               << QStringLiteral("HTTP status 404");
    HttpServer::Response cut = answer(200, binary);
    cut.cutAfter = 50000;
    QTest::newRow("connection closed in the middle")
        << cut << QByteArray() << false << QStringLiteral("Network error")
        << QStringLiteral("cannot fetch http://127.0.0.1:");
    QTest::newRow("checksum mismatch")
        << answer(200, binary) << QByteArray(",\"sha256\":\"00ff\"") << false
        << QStringLiteral("Download failed") << QStringLiteral("does not match");
    HttpServer::Response loop = answer(302, "text/html");
    loop.location = "/files/CLM.exe";
    QTest::newRow("redirect loop")
        << loop << QByteArray() << false << QStringLiteral("Network error")
        << QStringLiteral("too many redirects");
    // Headers and a few bytes, then silence.
    HttpServer::Response stall = answer(200, binary);
    stall.cutAfter = 40;
    stall.hangAfterCut = true;
    QTest::newRow("stall") << stall << QByteArray() << false << QStringLiteral("Network error")
                           << QStringLiteral("no data for 0.5 s");
    HttpServer::Response endless{200, binary, QByteArray(4 * downloadLimitBytes, 'x')};
    endless.withLength = false;
    QTest::newRow("endless body over the limit")
        << endless << QByteArray() << false << QStringLiteral("Network error")
        << QStringLiteral("larger than %1 bytes").arg(downloadLimitBytes);
    HttpServer::Response drip = answer(200, binary);
    drip.bytesPerSecond = 50 * 1024;
    QTest::newRow("drip past the deadline")
        << drip << QByteArray() << false << QStringLiteral("Network error")
        << QStringLiteral("not done within 1.5 s");
    // Without a checksum only the checked writes keep the truncated file from running.
    QTest::newRow("full disk") << answer(200, binary) << QByteArray() << true
                               << QStringLiteral("Download failed")
                               << QStringLiteral("No space left on device");
}

void TestUpdater::downloadFailures()
{
    QFETCH(HttpServer::Response, response);
    QFETCH(QByteArray, extra);
    QFETCH(bool, fullDisk);
    QFETCH(QString, title);
    QFETCH(QString, reason);
    server->route("/files/CLM.exe", response);
    offerInstaller("/files/CLM.exe", extra);
    HttpGet::Limits limits;
    limits.maxBytes = downloadLimitBytes;
    limits.stallMs = 500;
    limits.deadlineMs = 1500;
    flow->download()->setLimits(limits);
    std::optional<TinyDisk> disk;
    if (fullDisk && !disk.emplace(downloads()).mounted)
        QSKIP("cannot mount a tmpfs here");

    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    QSignalSpy failed(flow->download(), &InstallerDownload::failed);
    flow->window()->userUpdateClicked();
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 20000);
    QVERIFY(!flow->download()->isRunning());
    // One report, one dialog, and no announcement of a download.
    QCOMPARE(failed.at(0).at(0).toString(), title);
    QTRY_COMPARE(closer->seen.size(), 1);
    const ModalCloser::Seen &dialog = closer->seen.at(0);
    QCOMPARE(dialog.title, QStringLiteral("UPD. ERROR: ") + title);
    QVERIFY2(dialog.details.contains(reason), qPrintable(dialog.details));
    QVERIFY2(!dialog.details.contains(QLatin1String("Unknown error")), qPrintable(dialog.details));
    QCOMPARE(errors.size(), 1);
    QVERIFY(!QFile::exists(downloads() + QStringLiteral("/CLM.exe")));
    QVERIFY(!flow->window()->isVisible());

    // Nothing is left to abort afterwards.
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    flow->window()->userUpdateCancel();
    QVERIFY(!flow->window()->isVisible());
    QCOMPARE(closer->seen.size(), 1);
}

void TestUpdater::unknownTotalSize()
{
    HttpServer::Response response{200, "application/octet-stream", QByteArray(150 * 1024, 'y')};
    response.withLength = false;
    response.bytesPerSecond = 300 * 1024;
    server->route("/files/CLM.exe", response);
    offerInstaller("/files/CLM.exe");
    flow->download()->setProgressIntervalMs(reportIntervalMs);
    ReportTimes times(flow->window());
    QSignalSpy progress(flow->window(), &WindowController::downloadProgressChanged);
    QSignalSpy determinate(flow->window(), &WindowController::ideterminateProgressBar);
    flow->window()->userUpdateClicked();
    QTRY_COMPARE_WITH_TIMEOUT(closer->seen.size(), 1, 20000);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("The update has been downloaded"));
    // Without a total every report says 0 %, at most one per interval, until the network
    // layer learns the total at the end.
    QVERIFY2(progress.size() >= 2, qPrintable(QString::number(progress.size())));
    QVERIFY(times.spacedOut());
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
        clickButton(dialog, QStringLiteral("Download Again"));
    };
    flow->window()->userUpdateClicked();
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
    flow->window()->userUpdateClicked();
    QTRY_COMPARE(closer->seen.size(), 3);
    QCOMPARE(closer->seen.at(2).title, QStringLiteral("UPD. ERROR: Output dir error"));
    QVERIFY(closer->seen.at(2).details.contains(QStringLiteral("Cannot create output directory: ") +
                                                downloads()));
    QVERIFY(QFileInfo(downloads()).isFile());
    QFile::remove(downloads());
}

void TestUpdater::cancelDuringDownload_data()
{
    QTest::addColumn<bool>("closeWindow"); // instead of the progress view's Close button
    QTest::newRow("Close button") << false;
    QTest::newRow("window closed") << true;
}

void TestUpdater::cancelDuringDownload()
{
    QFETCH(bool, closeWindow);
    HttpServer::Response response{200, "application/octet-stream", QByteArray(400 * 1024, 'x')};
    response.bytesPerSecond = 50 * 1024;
    server->route("/files/CLM.exe", response);
    offerInstaller("/files/CLM.exe");
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    flow->window()->userUpdateClicked();
    const QString partial = downloads() + QStringLiteral("/CLM.exe");
    QTRY_VERIFY(QFileInfo(partial).size() > 0);

    if (closeWindow)
        updaterWindow()->close();
    else
        flow->window()->userUpdateCancel();
    QVERIFY(!QFile::exists(partial));
    QVERIFY(!flow->download()->isRunning());
    // The request is gone long before its body would end: nothing can be announced later.
    QTRY_COMPARE(server->openConnections(), 0);
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(errors.size(), 0);
    if (closeWindow) {
        QVERIFY(closer->seen.isEmpty());
        return;
    }
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("Download cancelled"));
    QCOMPARE(closer->seen.at(0).text, QStringLiteral("The download was cancelled by the user."));
}

void TestUpdater::installerAlreadyOnDisk_data()
{
    QTest::addColumn<QString>("button"); // empty: the dialog is closed
    QTest::addColumn<QByteArray>("sha256");
    QTest::addColumn<QString>("outcome"); // "done", "again" or the error's title
    QTest::newRow("closed") << QString() << QByteArray() << QStringLiteral("done");
    QTest::newRow("cancel") << QStringLiteral("Cancel") << QByteArray() << QStringLiteral("done");
    QTest::newRow("run the existing one")
        << QStringLiteral("Run Installer") << QByteArray() << QStringLiteral("done");
    QTest::newRow("run one that does not match the checksum")
        << QStringLiteral("Run Installer") << QByteArray("00ff")
        << QStringLiteral("UPD. ERROR: Installer error");
    QTest::newRow("download again")
        << QStringLiteral("Download Again") << QByteArray() << QStringLiteral("again");
}

void TestUpdater::installerAlreadyOnDisk()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, sha256);
    QFETCH(QString, outcome);
    server->route("/files/CLM.run", {200, "application/octet-stream", "new installer"});
    QVERIFY(QDir().mkpath(downloads()));
    const QString path = downloads() + QStringLiteral("/CLM.run");
    const QString ran = downloads() + QStringLiteral("/ran");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(script(ran));
    old.close();
    offerInstaller("/files/CLM.run",
                   sha256.isEmpty() ? QByteArray() : ",\"sha256\":\"" + sha256 + "\"");
    closer->onDialog = [button](QDialog *dialog) {
        if (!button.isEmpty())
            clickButton(dialog, button);
    };
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    const int requests = int(server->requestedPaths().size());
    flow->window()->userUpdateClicked();
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
    if (outcome == QLatin1String("again")) {
        QTRY_COMPARE(closer->seen.size(), 2);
        QCOMPARE(closer->seen.at(1).title, QStringLiteral("The update has been downloaded"));
        QFile fresh(path);
        QVERIFY(fresh.open(QIODevice::ReadOnly));
        QCOMPARE(fresh.readAll(), QByteArray("new installer"));
        QCOMPARE(done.size(), 0);
        return;
    }
    // One choice tells the host once, and the window is gone.
    QTRY_VERIFY(!flow->window()->isVisible());
    QCOMPARE(int(server->requestedPaths().size()), requests);
    QVERIFY(QFile::exists(path));
    if (outcome == QLatin1String("done")) {
        QCOMPARE(done.size(), 1);
        QCOMPARE(errors.size(), 0);
        if (button == QLatin1String("Run Installer"))
            QTRY_VERIFY(QFile::exists(ran));
        else
            QVERIFY(!QFile::exists(ran));
        return;
    }
    QTRY_COMPARE(closer->seen.size(), 2);
    QCOMPARE(closer->seen.at(1).title, outcome);
    QCOMPARE(done.size(), 0);
    QCOMPARE(errors.size(), 1);
    QVERIFY(!QFile::exists(ran));
}

void TestUpdater::refusedInstallerAddresses_data()
{
    QTest::addColumn<QByteArray>("address"); // a path on the server, or a whole address
    QTest::addColumn<QString>("title");
    QTest::newRow("no name") << QByteArray("/files/") << QStringLiteral("File error");
    QTest::newRow("dot dot") << QByteArray("/files/%2E%2E") << QStringLiteral("File error");
    QTest::newRow("dot") << QByteArray("/files/%2E") << QStringLiteral("File error");
    QTest::newRow("backslash") << QByteArray("/files/..%5C..%5Cevil.exe")
                               << QStringLiteral("File error");
    QTest::newRow("NUL") << QByteArray("/files/evil%00.exe") << QStringLiteral("File error");
    QTest::newRow("line break") << QByteArray("/files/evil%0A.exe") << QStringLiteral("File error");
    QTest::newRow("local file") << QByteArray("file:///etc/hostname")
                                << QStringLiteral("Download failed");
    QTest::newRow("ftp") << QByteArray("ftp://127.0.0.1/CLM.exe")
                         << QStringLiteral("Download failed");
}

// An address from the manifest that is not fetched over HTTP, or names no plain file
// inside the Downloads folder, is refused before anything is written.
void TestUpdater::refusedInstallerAddresses()
{
    QFETCH(QByteArray, address);
    QFETCH(QString, title);
    offerInstaller(address);
    const QStringList before = QDir(downloads()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const int requests = int(server->requestedPaths().size());
    flow->window()->userUpdateClicked();
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("UPD. ERROR: ") + title);
    QCOMPARE(int(server->requestedPaths().size()), requests);
    QCOMPARE(QDir(downloads()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(
        !QFileInfo::exists(QFileInfo(downloads()).absolutePath() + QStringLiteral("/evil.exe")));
}

void TestUpdater::reentryGuard()
{
    offerInstaller("/files/");
    QSignalSpy errors(flow.get(), &UpdateFlow::updateError);
    bool again = true;
    closer->onDialog = [this, &again](QDialog *) {
        // A second failure while the first dialog is open is logged only.
        if (std::exchange(again, false))
            flow->window()->userUpdateClicked();
    };
    flow->window()->userUpdateClicked();
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(logLines.filter(QStringLiteral("!!! ERROR: File error :")).size(), 2);
}

void TestUpdater::oldVersionOpensWebPage()
{
    serveManifest(manifest("{\"all\":true}", 2024, server->url("/files/CLM.exe"), 2020));
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->manualCheck(2000, QStringLiteral("2.0.023"));
    QVERIFY(finished.wait());
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateYes);
    flow->window()->userUpdateClicked();
    QCOMPARE(urls.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.invalid/old-release"))});
    QVERIFY(!flow->window()->isVisible());
    QVERIFY(!server->requestedPaths().contains("/files/CLM.exe"));
}

void TestUpdater::packageManagerUpdates_data()
{
    QTest::addColumn<uint>("localVersion");
    QTest::addColumn<bool>("manual");
    QTest::newRow("installer offer, manual check") << 2023u << true;
    QTest::newRow("web page offer, manual check") << 2000u << true;
    QTest::newRow("installer offer, start-up check") << 2023u << false;
}

// Built for a distribution's package: the offer tells of the new version and points to
// the package manager; nothing is fetched, opened or started.
void TestUpdater::packageManagerUpdates()
{
    QFETCH(uint, localVersion);
    QFETCH(bool, manual);
    flow->setUpdatesByPackageManager(true);
    serveManifest(manifest("{\"all\":true}", 2024, server->url("/files/CLM.exe"), 2020));
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    if (manual)
        flow->manualCheck(localVersion, QStringLiteral("2.0.023"));
    else
        flow->startupCheck(localVersion, QStringLiteral("25.0826"));
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).value<State>(), UpdaterState::UpdateYes);
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateYes);
    QQuickWindow *window = updaterWindow();
    QVERIFY(window && window->isVisible());
    const auto item = [window](const char *name) {
        return window->findChild<QQuickItem *>(QLatin1String(name));
    };
    QTRY_VERIFY(item("offerView")->isVisible());
    QVERIFY(!item("updateRow")->isVisible());
    QStringList texts;
    for (QQuickItem *child : item("offerView")->findChildren<QQuickItem *>()) {
        if (child->isVisible())
            texts.append(child->property("text").toString());
    }
    QVERIFY2(texts.contains(QStringLiteral("An Update is Available\nUpdate Clipmoor through "
                                           "your system's package manager")),
             qPrintable(texts.join(QLatin1Char('|'))));

    flow->window()->userUpdateClicked();
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(done.size(), 1);
    QCOMPARE(server->requestedPaths(), QList<QByteArray>{manifestPath});
    QVERIFY(urls.opened.isEmpty());
    QVERIFY(closer->seen.isEmpty());
    QVERIFY(QDir(downloads()).isEmpty());
}

void TestUpdater::windowViews()
{
    serveManifest(manifest("{\"all\":false}", 2024, "http://x/CLM.exe"));
    QSignalSpy done(flow.get(), &UpdateFlow::updateDone);
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QQuickWindow *window = updaterWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->title(), QStringLiteral("Clipmoor Updater"));
    QCOMPARE(window->modality(), Qt::ApplicationModal);
    QVERIFY(window->flags().testFlag(Qt::Dialog));
    QVERIFY(!window->icon().isNull());
    QCOMPARE(QQuickStyle::name(), QStringLiteral("Material"));
    QCOMPARE(window->width(), 400);

    const auto item = [window](const char *name) {
        return window->findChild<QQuickItem *>(QLatin1String(name));
    };
    const struct {
        State state;
        int height; // at least; a view whose content needs more makes the window taller
        const char *visible;
    } states[] = {{UpdaterState::Progress, 160, "progressView"},
                  {UpdaterState::UpdateYes, 270, "offerView"},
                  {UpdaterState::UpdateNot, 190, "currentView"},
                  {UpdaterState::Indefinite, 160, nullptr}};
    for (const auto &expected : states) {
        flow->window()->setUpdateState(expected.state);
        QTRY_VERIFY(window->height() >= expected.height);
        for (const char *name : {"progressView", "offerView", "currentView"})
            QCOMPARE(item(name)->isVisible(),
                     expected.visible && qstrcmp(name, expected.visible) == 0);
        if (!expected.visible)
            continue;
        QQuickItem *view = item(expected.visible);
        for (QQuickItem *text : view->findChildren<QQuickItem *>()) {
            QVERIFY2(!text->property("text").toString().contains(QLatin1String("antivirus")),
                     qPrintable(text->property("text").toString()));
        }
        QTRY_COMPARE(window->height(),
                     qMax(expected.height, int(std::ceil(view->implicitHeight()))));
        // Everything the view holds lies inside the window.
        for (QQuickItem *child : view->findChildren<QQuickItem *>()) {
            if (!child->isVisible() || child->height() <= 0)
                continue;
            const QRectF box = child->mapRectToScene(child->boundingRect());
            QVERIFY2(box.bottom() <= window->height() + 0.5,
                     qPrintable(QStringLiteral("%1 %2 ends at %3 of %4")
                                    .arg(QString::fromLatin1(expected.visible),
                                         QString::fromLatin1(child->metaObject()->className()))
                                    .arg(box.bottom())
                                    .arg(window->height())));
        }
    }

    flow->window()->setUpdateState(UpdaterState::Progress);
    QQuickItem *bar = item("progressBar");
    QVERIFY(bar->property("indeterminate").toBool());
    emit flow->window()->ideterminateProgressBar(false);
    QVERIFY(!bar->property("indeterminate").toBool());
    emit flow->window()->downloadProgressChanged(50);
    QCOMPARE(bar->property("value").toDouble(), 0.5);

    // Updates disabled: the progress view stays until the user closes it, and closing
    // it tells the host nothing.
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).value<State>(), UpdaterState::Progress);
    QVERIFY(window->isVisible());
    QVERIFY(QMetaObject::invokeMethod(item("closeButton"), "clicked"));
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(done.size(), 0);
}

void TestUpdater::skipBoxInWindow()
{
    const QString until = QDateTime::currentDateTimeUtc().addDays(3).toString(Qt::ISODate);
    QSettings(iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor"), until);
    reload();
    serveManifest(manifest("{\"all\":true}", 2023, "http://x/CLM.exe"));
    QSignalSpy finished(flow.get(), &UpdateFlow::checkFinished);
    flow->manualCheck(2023, QStringLiteral("2.0.023"));
    QVERIFY(finished.wait());
    QCOMPARE(flow->window()->updateState(), UpdaterState::UpdateNot);
    // Opening the window leaves the running skip as it was.
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat)
                 .value(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor"))
                 .toString(),
             until);
    QList<QQuickItem *> boxes =
        updaterWindow()->findChildren<QQuickItem *>(QStringLiteral("skipBox"));
    QCOMPARE(boxes.size(), 2);
    for (QQuickItem *box : std::as_const(boxes))
        QVERIFY(box->property("checked").toBool());

    // The user's click ends the skip, and both boxes show it.
    QQuickItem *shown = boxes.first()->isVisible() ? boxes.first() : boxes.last();
    QTest::mouseClick(
        updaterWindow(), Qt::LeftButton, {},
        shown->mapToScene(QPointF(shown->width() / 2, shown->height() / 2)).toPoint());
    QTRY_VERIFY(!flow->schedule()->skipRunning());
    QVERIFY(!QSettings(iniPath(), QSettings::IniFormat)
                 .contains(QStringLiteral("SKIP_UPDATE_UNTIL/Clipmoor")));
    for (QQuickItem *box : std::as_const(boxes))
        QVERIFY(!box->property("checked").toBool());
    // A skip set elsewhere shows in both boxes again.
    flow->schedule()->setSkip(true);
    for (QQuickItem *box : std::as_const(boxes))
        QVERIFY(box->property("checked").toBool());
}

CLIPMOOR_TEST_MAIN(TestUpdater)
#include "tst_updater.moc"
