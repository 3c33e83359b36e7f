// The whole road through the real window with the real yt-dlp and ffmpeg, offline, by
// keyboard alone: take the copied address, read title and duration, Tab to the format, watch
// the progress, read the sizes, speed and time left under it, find the merged file in
// the output folder and open it; the video's thumbnail shows beside its title. Where the
// window speaks AT-SPI (under tests/tools/with-screen-reader.sh), a listener hears the
// road as a screen reader would.
#include "app/setup.h"
#include "engine/clipmoor.h"
#include "engine/formattablemodel.h"
#include "tests/support/modalcloser.h"
#include "tests/support/offlinesite.h"
#include "tests/support/testmain.h"
#include "ui/navigation.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <algorithm>

namespace {

// Stands in for the desktop's application for the file: records what it was asked to open.
class FileOpener : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestRoad : public QObject {
    Q_OBJECT

public:
    explicit TestRoad(const TestHome &home_)
        : home(home_)
    {
    }

private slots:
    void downloadThroughTheWindow();
    void copiedAddressIsPrepared_data();
    void copiedAddressIsPrepared();
    void botCheckPassedWithBrowserCookies();

private:
    const TestHome &home;
};

void TestRoad::downloadThroughTheWindow()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    prepareOutputDir();
    OfflineSite site;
    QVERIFY2(site.start(3, 400 * 1024), qPrintable(site.error()));
    QVERIFY(site.stage(home.dataDir()));
    ModalCloser closer;

    // A screen reader listens from the start, where the window speaks AT-SPI.
    QProcess reader;
    const bool speaks = QGuiApplication::platformName() == QLatin1String("xcb") &&
                        qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    if (speaks) {
        reader.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/screenreader.py")});
        QVERIFY(reader.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(reader.canReadLine(), 20000);
        QCOMPARE(reader.readLine().trimmed(), QByteArray("ready"));
    }
    const auto stopReader = qScopeGuard([&reader] {
        reader.terminate();
        if (!reader.waitForFinished(5000))
            reader.kill();
        reader.waitForFinished();
    });

    QGuiApplication::clipboard()->setText(
        QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0"));
    Navigation window;
    window.showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Keys go where the keyboard's focus is, as the user's do; a screen reader that
    // listens sees each first, so that they arrive a moment later.
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, modifiers);
    };
    const auto widget = [&window](const char *name) {
        return window.findChild<QWidget *>(QLatin1String(name));
    };
    auto *pages = qobject_cast<QStackedWidget *>(widget("stackedWidget"));
    auto *table = qobject_cast<QTableView *>(widget("tableView"));
    auto *bar = qobject_cast<QProgressBar *>(widget("progressBarDL"));

    // The address copied in the browser is in the field when the window comes up.
    QTRY_VERIFY(widget("editURL")->hasFocus());
    QCOMPARE(qobject_cast<QLineEdit *>(widget("editURL"))->text(),
             QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0"));
    press(Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(qobject_cast<QLabel *>(widget("labelTime"))->text(),
                              QStringLiteral("| 3:33"), 60000);
    QCOMPARE(qobject_cast<QLabel *>(widget("labelTitle"))->text(),
             QStringLiteral("Test Video Title"));
    QTRY_VERIFY_WITH_TIMEOUT(table->model() && table->model()->rowCount() == 1, 60000);
    QCOMPARE(table->model()->index(0, FormatTableModel::ResolutionColumn).data().toString(),
             QStringLiteral("320x180"));
    // The thumbnail the extraction named appears beside the title.
    QTRY_VERIFY_WITH_TIMEOUT(widget("labelThumbnail")->isVisible(), 60000);

    int highest = -1;
    QList<int> values;
    connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
        if (bar->maximum() == 100) {
            values.append(value);
            highest = qMax(highest, value);
        }
    });
    // Each reading of the real tool's lines is what the page shows under the bar.
    auto *details = qobject_cast<QLabel *>(widget("label_DL_Details"));
    QStringList readings;
    const QObject listening; // ends the listening with this test
    connect(&Clipmoor::instance(), &Clipmoor::progressDetails, &listening,
            [&](const ProgressDetails &reading) {
                readings.append(describeProgress(reading));
                if (details->text() != readings.last() || !details->isVisible())
                    readings.last().prepend(QStringLiteral("NOT SHOWN: "));
            });
    press(Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), table);
    press(Qt::Key_Return);
    QTRY_COMPARE(pages->currentWidget(), widget("page_Download"));
    QTRY_VERIFY_WITH_TIMEOUT(widget("label_DL_OK")->isVisible(), 120000);
    // The end is where the focus lands, and the file opens from there.
    QCOMPARE(QApplication::focusWidget(), widget("btnOpenFile"));
    FileOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    press(Qt::Key_Space);
    QTRY_COMPARE(opener.opened.size(), 1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(closer.seen.isEmpty());
    QVERIFY2(highest > 50, qPrintable(QString::number(highest)));
    const QString all = readings.join(QLatin1Char('\n'));
    QVERIFY2(!all.contains(QLatin1String("NOT SHOWN")), qPrintable(all));
    const QRegularExpression running(
        QStringLiteral("^[\\d.,]+ (bytes|KiB|MiB) of [\\d.,]+ (KiB|MiB) · [\\d.,]+ "
                       "(bytes|KiB|MiB)/s · \\d+:\\d\\d left$"));
    QVERIFY2(!readings.filter(running).isEmpty(), qPrintable(all));
    QCOMPARE(readings.last(), QStringLiteral("Merging video and audio…"));

    const QString file = outputDir() + QStringLiteral("/Test Video Title_320x180_abc123XYZ_0.mp4");
    QVERIFY2(QFile::exists(file), qPrintable(QDir(outputDir()).entryList().join(QLatin1Char(' '))));
    QCOMPARE(opener.opened.value(0), QUrl::fromLocalFile(file));
    QCOMPARE(streamTypes(file), (QStringList{QStringLiteral("audio"), QStringLiteral("video")}));
    // One extraction served the title, the table, the thumbnail and the download.
    QCOMPARE(site.extractions(), 1);
    QCOMPARE(site.server().requestedPaths().count(OfflineSite::thumbnailPath), 1);

    if (!speaks)
        QSKIP("The window speaks no AT-SPI here: the screen reader's part needs "
              "tests/tools/with-screen-reader.sh (Xvfb, at-spi2-core, python3-pyatspi)");
    // What the screen reader heard, each line "kind|role|name|description|value", up to
    // the focus landing at the end.
    QString spoken;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (spoken += QString::fromUtf8(reader.readAll())).contains(QLatin1String("|Open File|")),
        qPrintable(spoken), 20000);
    const QStringList heard = spoken.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto any = [&heard](const QString &start, const QString &part = QString()) {
        return std::any_of(heard.cbegin(), heard.cend(), [&](const QString &line) {
            return line.startsWith(start) && line.contains(part);
        });
    };
    // The field says what it is and what to paste there.
    QVERIFY2(any(QStringLiteral("focus|"), QStringLiteral("|Video Address|The address of")),
             qPrintable(spoken));
    // The format by its resolution, container and codec.
    QVERIFY2(any(QStringLiteral("focus|"), QStringLiteral("320x180, MP4")), qPrintable(spoken));
    // The progress as the bar moves.
    QSet<QString> barValues;
    for (const QString &line : heard) {
        if (line.startsWith(QLatin1String("value|")) &&
            line.section(QLatin1Char('|'), 2, 2) == QLatin1String("Download progress"))
            barValues.insert(line.section(QLatin1Char('|'), 4, 4));
    }
    QVERIFY2(barValues.size() >= 2, qPrintable(spoken));
    // The end, where the focus lands.
    QVERIFY2(
        any(QStringLiteral("focus|"), QStringLiteral("|Open File|Video Successfully Downloaded")),
        qPrintable(spoken));
}

// A link copied before the window comes back is extracted at once: Enter then shows the
// table without a start of yt-dlp, or joins the extraction still under way.
void TestRoad::copiedAddressIsPrepared_data()
{
    QTest::addColumn<bool>("waitForPreparation");
    QTest::newRow("prepared before Enter") << true;
    QTest::newRow("Enter while preparing") << false;
}

void TestRoad::copiedAddressIsPrepared()
{
    QFETCH(bool, waitForPreparation);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    OfflineSite site;
    QVERIFY2(site.start(1), qPrintable(site.error()));
    QVERIFY(site.stage(home.dataDir()));
    HttpServer::Response slow{200, "application/json", QJsonDocument(site.info()).toJson()};
    slow.delayMs = 1000;
    site.server().route(QByteArray("/watch/") + OfflineSite::videoId, slow);
    const QString cache = home.path() + QStringLiteral("/.cache/Quorvel/Clipmoor/info");
    QDir(cache).removeRecursively();
    // The managed yt-dlp notes each of its starts.
    const QString managed = home.dataDir() + QStringLiteral("/managed/yt-dlp");
    const QString real = home.path() + QStringLiteral("/yt-dlp-real");
    const QString starts = home.path() + QStringLiteral("/yt-dlp-starts");
    QVERIFY(QFile::exists(real) || QFile::rename(managed, real));
    QFile::remove(managed);
    QFile::remove(starts);
    QFile wrapper(managed);
    QVERIFY(wrapper.open(QIODevice::WriteOnly));
    wrapper.write("#!/bin/sh\n[ \"$1\" = --help ] || echo \"$1\" >>'" + QFile::encodeName(starts) +
                  "'\nexec /usr/bin/python3 '" + QFile::encodeName(real) + "' \"$@\"\n");
    wrapper.close();
    QVERIFY(wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const auto startCount = [&] {
        QFile log(starts);
        return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
    };
    ModalCloser closer;

    QGuiApplication::clipboard()->setText(QStringLiteral("https://youtu.be/abc123XYZ_0"));
    Navigation window;
    window.showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto widget = [&window](const char *name) {
        return window.findChild<QWidget *>(QLatin1String(name));
    };
    auto *field = qobject_cast<QLineEdit *>(widget("editURL"));
    auto *table = qobject_cast<QTableView *>(widget("tableView"));
    QCOMPARE(field->selectedText(), QStringLiteral("https://youtu.be/abc123XYZ_0"));
    QTRY_COMPARE_WITH_TIMEOUT(startCount(), 1, 30000);
    const auto kept = [&] {
        return !QDir(cache).entryList({QStringLiteral("*.info.json")}, QDir::Files).isEmpty();
    };
    // The site takes a second to answer: Enter comes before the info when it does not wait.
    if (waitForPreparation)
        QTRY_VERIFY_WITH_TIMEOUT(kept(), 30000);
    else
        QVERIFY(!kept());
    // Nothing of it shows.
    QCOMPARE(qobject_cast<QStackedWidget *>(widget("stackedWidget"))->currentWidget(),
             widget("page_URL"));

    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(table->model() && table->model()->rowCount() == 1, 60000);
    QCOMPARE(qobject_cast<QLabel *>(widget("labelTitle"))->text(),
             QStringLiteral("Test Video Title"));
    QCOMPARE(qobject_cast<QLabel *>(widget("labelTime"))->text(), QStringLiteral("| 3:33"));
    QTRY_VERIFY_WITH_TIMEOUT(widget("labelThumbnail")->isVisible(), 60000);
    QCOMPARE(site.extractions(), 1);
    QCOMPARE(startCount(), 1);
    QVERIFY(closer.seen.isEmpty());
    QGuiApplication::clipboard()->clear();
}

// A site that wants a signed-in browser: the box offers the browser that has a profile
// here, one click tries again with its cookies, and the download goes through with them.
void TestRoad::botCheckPassedWithBrowserCookies()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    prepareOutputDir();
    OfflineSite site;
    QVERIFY2(site.start(1), qPrintable(site.error()));
    QVERIFY(site.stage(home.dataDir()));
    QDir(home.path() + QStringLiteral("/.cache/Quorvel/Clipmoor")).removeRecursively();
    QJsonObject info = site.info();
    info.insert(QStringLiteral("clipmoor_cookie"), QStringLiteral("SID=signed-in"));
    site.serveInfo(info);
    // Firefox's own layout: a profile folder holding its cookie database.
    const QString profile = home.path() + QStringLiteral("/.mozilla/firefox/road.default-release");
    QVERIFY(QDir().mkpath(profile));
    QFile::remove(profile + QStringLiteral("/cookies.sqlite"));
    QCOMPARE(QProcess::execute(
                 QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sqlite3, sys\n"
                                 "db = sqlite3.connect(sys.argv[1])\n"
                                 "db.execute('CREATE TABLE moz_cookies (id INTEGER PRIMARY KEY, "
                                 "originAttributes TEXT NOT NULL DEFAULT \\'\\', name TEXT, "
                                 "value TEXT, host TEXT, path TEXT, expiry INTEGER, "
                                 "isSecure INTEGER)')\n"
                                 "db.execute('INSERT INTO moz_cookies (name, value, host, path, "
                                 "expiry, isSecure) VALUES (?, ?, ?, ?, ?, 0)', ('SID', "
                                 "'signed-in', '127.0.0.1', '/', 4102444800000))\n"
                                 "db.commit()\n"),
                  profile + QStringLiteral("/cookies.sqlite")}),
             0);
    QSettings settings(home.dataDir() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    const auto forget = qScopeGuard([&] {
        QDir(home.path() + QStringLiteral("/.mozilla")).removeRecursively();
        settings.remove(QLatin1String(cookiesBrowserKey));
    });
    ModalCloser closer;
    closer.onDialog = [](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>()) {
            if (button->text() == QLatin1String("Try Again with Firefox Cookies"))
                button->click();
        }
    };

    Navigation window;
    window.showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto widget = [&window](const char *name) {
        return window.findChild<QWidget *>(QLatin1String(name));
    };
    auto *field = qobject_cast<QLineEdit *>(widget("editURL"));
    auto *table = qobject_cast<QTableView *>(widget("tableView"));
    field->clear();
    QTest::keyClicks(field, QStringLiteral("https://youtu.be/abc123XYZ_0"));
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(table->model() && table->model()->rowCount() == 1, 60000);
    QCOMPARE(closer.seen.size(), 1);
    QVERIFY2(closer.seen.at(0).details.contains(QLatin1String("not a bot")),
             qPrintable(closer.seen.at(0).details));
    QCOMPARE(site.extractions(), 2);
    settings.sync();
    QCOMPARE(settings.value(QLatin1String(cookiesBrowserKey)).toString(),
             QStringLiteral("firefox"));

    QTest::keyClick(table, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(widget("label_DL_OK")->isVisible(), 120000);
    // The download came from the extraction made with the cookies: without them the site
    // would have refused a second one.
    QCOMPARE(site.extractions(), 2);
    QVERIFY(
        QFile::exists(outputDir() + QStringLiteral("/Test Video Title_320x180_abc123XYZ_0.mp4")));
    QCOMPARE(closer.seen.size(), 1);
}

CLIPMOOR_TEST_MAIN(TestRoad)
#include "tst_road.moc"
