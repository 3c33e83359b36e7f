// The whole road through the real window with the real yt-dlp and ffmpeg, offline:
// paste an address, read title and duration, choose the format, watch the progress,
// read the sizes, speed and time left under it, and find the merged file in the output
// folder; the video's thumbnail shows beside its title.
#include "app/setup.h"
#include "engine/clipmoor.h"
#include "engine/formattablemodel.h"
#include "tests/support/modalcloser.h"
#include "tests/support/offlinesite.h"
#include "tests/support/testmain.h"
#include "ui/navigation.h"

#include <QClipboard>
#include <QDir>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

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

    Navigation window;
    window.showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto widget = [&window](const char *name) {
        return window.findChild<QWidget *>(QLatin1String(name));
    };
    auto *pages = qobject_cast<QStackedWidget *>(widget("stackedWidget"));
    auto *table = qobject_cast<QTableView *>(widget("tableView"));
    auto *bar = qobject_cast<QProgressBar *>(widget("progressBarDL"));

    QTest::keyClicks(widget("editURL"),
                     QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0"));
    QTest::keyClick(widget("editURL"), Qt::Key_Return);
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
    connect(&Clipmoor::instance(), &Clipmoor::progressDetails, this,
            [&](const ProgressDetails &reading) {
                readings.append(describeProgress(reading));
                if (details->text() != readings.last() || !details->isVisible())
                    readings.last().prepend(QStringLiteral("NOT SHOWN: "));
            });
    const QModelIndex download = table->model()->index(0, FormatTableModel::DownloadColumn);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(download).center());
    QCOMPARE(pages->currentWidget(), widget("page_Download"));
    QTRY_VERIFY_WITH_TIMEOUT(widget("label_DL_OK")->isVisible(), 120000);
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
    QCOMPARE(streamTypes(file), (QStringList{QStringLiteral("audio"), QStringLiteral("video")}));
    // One extraction served the title, the table, the thumbnail and the download.
    QCOMPARE(site.extractions(), 1);
    QCOMPARE(site.server().requestedPaths().count(OfflineSite::thumbnailPath), 1);
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

CLIPMOOR_TEST_MAIN(TestRoad)
#include "tst_road.moc"
