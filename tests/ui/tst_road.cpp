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

#include <QDir>
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

CLIPMOOR_TEST_MAIN(TestRoad)
#include "tst_road.moc"
