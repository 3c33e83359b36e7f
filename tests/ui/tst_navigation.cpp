// The window on the offscreen platform, driving a stand-in tool: the page flow, the
// format table, the download page, the error dialogs, the menu and the scale, the
// keyboard, addresses from the clipboard and from drops, and desktop notifications.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/address.h"
#include "engine/clipmoor.h"
#include "engine/formattablemodel.h"
#include "plugins/pluginmanagerhelper.h"
#include "tests/support/httpserver.h"
#include "tests/support/language.h"
#include "tests/support/modalcloser.h"
#include "tests/support/notificationservice.h"
#include "tests/support/testdata.h"
#include "tests/support/testmain.h"
#include "tests/support/toolstage.h"
#include "toolruns/toolfailure.h"
#include "ui/designsize.h"
#include "ui/errormessage.h"
#include "ui/formatchoices.h"
#include "ui/formatpage.h"
#include "ui/imagebutton.h"
#include "ui/navigation.h"
#include "ui/partdialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

QString answering(const QString &title, const QString &duration,
                  const QString &download = QStringLiteral("exit 0"))
{
    return QStringLiteral("case \"$1\" in\n"
                          "--get-title) printf '%s\\n%s\\n' '%1' '%2' ;;\n"
                          "--list-formats) cat \"$here/listing.txt\" ;;\n"
                          "--get-thumbnail) cat \"$here/thumbnail.txt\" ;;\n"
                          "--print) cat \"$here/subtitles.txt\" ;;\n"
                          "--no-warnings) %3 ;;\n"
                          "--update) exit 0 ;;\n"
                          "esac\n")
        .arg(title, duration, download);
}

// Eleven formats, 137 the largest.
QByteArray elevenFormats()
{
    QByteArray listing = "ID EXT RESOLUTION | FILESIZE\n";
    const int codes[] = {137, 136, 135, 134, 133, 160, 22, 18, 43, 36, 17};
    int size = 40;
    for (int code : codes) {
        listing += QByteArray::number(code) + " mp4 " + QByteArray::number(size * 10) + "x" +
                   QByteArray::number(size * 5) + " | " + QByteArray::number(size) +
                   ".00MiB video only\n";
        --size;
    }
    return listing;
}

// The window's widgets, found by their object names.
struct Widgets {
    QStackedWidget *stackedWidget;
    QWidget *page_URL, *page_Formats, *page_Download, *pageEmpty;
    QLineEdit *editURL;
    QPushButton *pushButton_Process, *btn_Back_from_Process, *btn_Back_from_Formats, *btn_Back_Last;
    QLabel *labelTitle, *labelTime, *label_DL, *label_TitleDownload, *label_DL_OK,
        *label_DL_Details;
    QProgressBar *progressBar, *progressBarDL;
    QTableView *tableView;
    QPushButton *btnStartOver, *btnOpenFolder, *btnCancel;
};

// The events of a double click as the platform delivers them.
void doubleClick(QTableView *table, const QModelIndex &index)
{
    const QPointF at = table->visualRect(index).center();
    const QPointF global = table->viewport()->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &event);
    }
}

// Stands in for the file manager: records the folders the program asks to open.
class FolderOpener : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// Hands the data to the window as a drag that enters it and is dropped; returns whether
// the window took the drop.
bool drop(QWidget *window, QMimeData *data)
{
    const QPointF at(window->width() / 2.0, window->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent event(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
    return event.isAccepted();
}

// Waits until everything the program sent over the session bus so far has been handled.
void syncWithBus()
{
    const QDBusPendingCall pending =
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
    QTRY_VERIFY(pending.isFinished());
}

// Asks the notification service twice, one call after the other. The window asks it for its
// capabilities and then to show: by the second answer, whatever the window had to show
// before these calls has been shown.
void waitForNotificationService()
{
    for (int round = 0; round < 2; ++round) {
        QDBusPendingCallWatcher answer(QDBusConnection::sessionBus().asyncCall(
            QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                           QStringLiteral("/org/freedesktop/Notifications"),
                                           QStringLiteral("org.freedesktop.Notifications"),
                                           QStringLiteral("GetCapabilities"))));
        QSignalSpy answered(&answer, &QDBusPendingCallWatcher::finished);
        QVERIFY(answer.isFinished() || answered.wait());
    }
}

// The lines logged while a test looks for one of them.
QStringList loggedLines;
QtMessageHandler earlierHandler = nullptr;

void keepLoggedLine(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    loggedLines.append(text);
    earlierHandler(type, context, text);
}

QStringList calls()
{
    return PluginManagerHelper::updaterPlugin().get()->property("calls").toStringList();
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

public:
    explicit TestNavigation(const TestHome &home_)
        : home(home_)
        , stage(home_.dataDir())
    {
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstShowRunsStartupCheck();
    void updateAsRunsManualCheck_data();
    void updateAsRunsManualCheck();
    void rejectedAddressWarns();
    void enterActsAsProcessButton();
    void metadataShown_data();
    void metadataShown();
    void formatTable();
    void visibleRows_data();
    void visibleRows();
    void onlyDownloadCellDoubleClickOrEnterStarts();
    void namesAndFocusOrder();
    void downloadPageFlow();
    void cancelReturnsWhenStopped();
    void backFromFormatsStopsQuietly();
    void errorDialogs_data();
    void errorDialogs();
    void contextMenu();
    void scaleSizes_data();
    void scaleSizes();
    void everyTextFits_data();
    void everyTextFits();
    void scaleChoiceIsStored();
    void storedScale_data();
    void storedScale();
    void coloursFollowThePalette_data();
    void coloursFollowThePalette();
    void escapeNeverCloses();
    void closingDuringDownloadAsks();
    void toolUpdateFromMenu();
    void pluginEntriesWithoutPlugins();
    void addressIntake_data();
    void addressIntake();
    void notifications_data();
    void notifications();
    void downloadFolderChoice_data();
    void downloadFolderChoice();
    void cookiesChoice();
    void partCheck_data();
    void partCheck();
    void formatPageChoices_data();
    void formatPageChoices();
    void thumbnail_data();
    void thumbnail();
    void recoveryShownThenCookiesOffered();

private:
    void createWindow();
    void enterAddress(const QString &address);
    void waitForTable();
    QAction *menuEntry(const QString &text) const;
    int requestRuns() const;
    QList<qint64> runsOf(const QString &firstArgument) const;
    void waitForLaterRun();

    const TestHome &home;
    ToolStage stage;
    std::unique_ptr<ModalCloser> closer;
    SessionData session;
    Clipmoor engine{&session};
    std::unique_ptr<Navigation> window;
    Widgets widgets{};
    Widgets *ui = &widgets;
};

void TestNavigation::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "runs on a session bus of its own");
    prepareOutputDir();
    QVERIFY(PluginManagerHelper::updaterPlugin().get());
}

void TestNavigation::init()
{
    stage.reset();
    stage.install();
    QFile listing(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(listing.open(QIODevice::WriteOnly | QIODevice::Truncate));
    listing.write(elevenFormats());
    listing.close();
    stage.setScript(answering(QStringLiteral("Some Title"), QStringLiteral("3:33")));
    QFile::remove(stage.file(QStringLiteral("thumbnail.txt")));
    QFile::remove(stage.file(QStringLiteral("subtitles.txt")));
    session.settings->remove(QStringLiteral("Scale/Val"));
    for (const char *key :
         {downloadFolderKey, cookiesBrowserKey, prepareCopiedKey, embedKey, subtitlesKey})
        session.settings->remove(QLatin1String(key));
    session.video = VideoInfo();
    QMetaObject::invokeMethod(PluginManagerHelper::updaterPlugin().get(), "clearCalls");
    closer = std::make_unique<ModalCloser>();
    createWindow();
}

void TestNavigation::createWindow()
{
    window.reset();
    window = std::make_unique<Navigation>(&engine, &session);
    const auto find = [this](auto *&member, const char *name) {
        member =
            window->findChild<std::remove_reference_t<decltype(*member)> *>(QLatin1String(name));
        QVERIFY2(member, name);
    };
    find(ui->stackedWidget, "stackedWidget");
    find(ui->page_URL, "page_URL");
    find(ui->page_Formats, "page_Formats");
    find(ui->page_Download, "page_Download");
    find(ui->pageEmpty, "pageEmpty");
    find(ui->editURL, "editURL");
    find(ui->pushButton_Process, "pushButton_Process");
    find(ui->btn_Back_from_Process, "btn_Back_from_Process");
    find(ui->btn_Back_from_Formats, "btn_Back_from_Formats");
    find(ui->btn_Back_Last, "btn_Back_Last");
    find(ui->labelTitle, "labelTitle");
    find(ui->labelTime, "labelTime");
    find(ui->progressBar, "progressBar");
    find(ui->tableView, "tableView");
    find(ui->label_DL, "label_DL");
    find(ui->label_TitleDownload, "label_TitleDownload");
    find(ui->label_DL_OK, "label_DL_OK");
    find(ui->label_DL_Details, "label_DL_Details");
    find(ui->progressBarDL, "progressBarDL");
    find(ui->btnStartOver, "btnStartOver");
    find(ui->btnOpenFolder, "btnOpenFolder");
    find(ui->btnCancel, "btnCancel");
    // The constructor leaves the busy page up until the window is shown.
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->pageEmpty);
    window->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestNavigation::cleanup()
{
    engine.stopTool(true);
    window.reset();
    for (qint64 pid : stage.runs())
        QTRY_VERIFY(!processRunning(pid));
    closer.reset();
}

void TestNavigation::enterAddress(const QString &address)
{
    ui->editURL->setText(address);
    QTest::mouseClick(ui->pushButton_Process, Qt::LeftButton);
}

void TestNavigation::waitForTable()
{
    QTRY_VERIFY_WITH_TIMEOUT(ui->tableView->model() && ui->tableView->model()->rowCount() > 0,
                             10000);
}

QAction *TestNavigation::menuEntry(const QString &text) const
{
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        for (QAction *action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

// Tool runs other than self-updates, which every window starts in the background.
int TestNavigation::requestRuns() const
{
    // A self-update of an earlier window may log itself after init() removed its
    // arguments: every request carries some.
    int count = 0;
    for (qint64 pid : stage.runs()) {
        const QStringList arguments = stage.arguments(pid);
        count += !arguments.isEmpty() && arguments != QStringList{QStringLiteral("--update")};
    }
    return count;
}

// Prepares another video and waits for its quiet run to start, which it does only once the
// engine has handled the end of every stop under way: what the runs before had to show
// is shown by then. The run counts among requestRuns().
void TestNavigation::waitForLaterRun()
{
    const QString later = QStringLiteral("laterRun000");
    QVERIFY(engine.prepare(*Address::accept(QStringLiteral("https://youtu.be/") + later)));
    const auto started = [&] {
        for (qint64 pid : runsOf(QStringLiteral("--get-title"))) {
            if (stage.arguments(pid).value(3) == later)
                return true;
        }
        return false;
    };
    QTRY_VERIFY(started());
}

// The runs whose first argument tells their kind apart.
QList<qint64> TestNavigation::runsOf(const QString &firstArgument) const
{
    QList<qint64> pids;
    for (qint64 pid : stage.runs()) {
        if (stage.arguments(pid).value(0) == firstArgument)
            pids.append(pid);
    }
    return pids;
}

void TestNavigation::firstShowRunsStartupCheck()
{
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_URL);
    QVERIFY(ui->editURL->hasFocus());
    // On the first page there is nowhere to go back to.
    QVERIFY(!ui->btn_Back_from_Process->isVisible());
    QCOMPARE(calls(), QStringList{QStringLiteral("startupCheck 2023 25.0826")});
    // The constructor started the tool's self-update in the background.
    QTRY_VERIFY(!stage.runs().isEmpty());
    QCOMPARE(stage.arguments(stage.runs().first()), QStringList{QStringLiteral("--update")});
    window.reset();
    QCOMPARE(calls().last(), QStringLiteral("releaseGui"));
}

void TestNavigation::updateAsRunsManualCheck_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("call");
    QTest::newRow("number") << QStringLiteral("2000") << QStringLiteral("manualCheck 2000 2.0.023");
    QTest::newRow("not a number") << QStringLiteral("abc")
                                  << QStringLiteral("manualCheck 0 2.0.023");
}

void TestNavigation::updateAsRunsManualCheck()
{
    QFETCH(QString, value);
    QFETCH(QString, call);
    window.reset();
    QMetaObject::invokeMethod(PluginManagerHelper::updaterPlugin().get(), "clearCalls");
    window = std::make_unique<Navigation>(&engine, &session);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("update-as"), QString(), QStringLiteral("version")});
    parser.addOption({QStringLiteral("uid"), QString()});
    QVERIFY(parser.parse({QStringLiteral("Clipmoor"), QStringLiteral("--update-as"), value}));
    window->parser = &parser;
    window->showMainWindow();
    QCOMPARE(calls(), QStringList{call});
    window.reset();
}

void TestNavigation::rejectedAddressWarns()
{
    // Addresses that would send the tool to another site or into a search are refused too.
    for (const QString &text :
         {QString(), QStringLiteral("https://example.com/watch?v=x"),
          QStringLiteral("https://youtu.be/"),
          QStringLiteral("https://www.youtube.com/watch?v=http://127.0.0.1:8000/page.html"),
          QStringLiteral("https://youtu.be/ytsearch:some words"), QStringLiteral("hello there")}) {
        // Enter must not close the box its own press opened, as the window's default button
        // handling would.
        for (const bool byKey : {false, true}) {
            closer->seen.clear();
            if (byKey) {
                ui->editURL->setText(text);
                QTest::keyClick(ui->editURL, Qt::Key_Return);
            } else {
                enterAddress(text);
            }
            QTRY_COMPARE(closer->seen.size(), 1);
            QCOMPARE(closer->seen.at(0).title, QStringLiteral("WARNING"));
            QCOMPARE(closer->seen.at(0).text,
                     QStringLiteral(
                         "WARNING: You must provide at least some valid YouTube URL to proceed"));
            QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_URL);
            QCOMPARE(ui->editURL->text(), text);
        }
    }
    waitForLaterRun();
    QCOMPARE(requestRuns(), 1);
}

void TestNavigation::enterActsAsProcessButton()
{
    ui->editURL->setText(QStringLiteral("https://youtu.be/abc123XYZ_0"));
    QTest::keyClick(ui->editURL, Qt::Key_Return);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
    QCOMPARE(ui->labelTitle->text(), QStringLiteral("Title"));
    QCOMPARE(ui->labelTime->text(), QStringLiteral("00:00:00"));
    QVERIFY(ui->progressBar->isVisible());
    QVERIFY(ui->btn_Back_from_Formats->hasFocus());
    waitForTable();
    QVERIFY(!ui->progressBar->isVisible());
    QCOMPARE(stage.arguments(runsOf(QStringLiteral("--list-formats")).value(0)).last(),
             QStringLiteral("abc123XYZ_0"));
}

void TestNavigation::metadataShown_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("shownTime");
    QTest::addColumn<bool>("systemTool"); // the launcher went on with the system's yt-dlp
    QTest::newRow("hours") << QStringLiteral("Top 10 Songs (Live) - Artist")
                           << QStringLiteral("1:02:03")
                           << QStringLiteral("Top 10 Songs (Live) - Artist")
                           << QStringLiteral("| 1:02:03") << false;
    const QString german =
        QStringLiteral("M\u00fcller erkl\u00e4rt: 10 Tipps f\u00fcr 2025 \u2013 Teil 2 (4K)");
    QTest::newRow("accents, digits, dash")
        << german << QStringLiteral("5:00") << german << QStringLiteral("| 5:00") << false;
    QTest::newRow("control characters")
        << QStringLiteral("  Tab\there\u0007, bell\u001b ") << QStringLiteral("5")
        << QStringLiteral("Tab here, bell") << QStringLiteral("| 5 sec.") << false;
    QTest::newRow("exactly an hour")
        << QStringLiteral("Why? Because!") << QStringLiteral("1:00:00")
        << QStringLiteral("Why? Because!") << QStringLiteral("| 1:00:00") << false;
    QTest::newRow("minutes") << QStringLiteral("A, b: c.") << QStringLiteral("2:03")
                             << QStringLiteral("A, b: c.") << QStringLiteral("| 2:03") << false;
    QTest::newRow("seconds") << QStringLiteral("x") << QStringLiteral("45") << QStringLiteral("x")
                             << QStringLiteral("| 45 sec.") << false;
    QTest::newRow("non-Latin title")
        << QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442") << QStringLiteral("5")
        << QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442") << QStringLiteral("| 5 sec.")
        << false;
    const QString longTitle = QStringLiteral("A very long title. ").repeated(12).trimmed();
    QTest::newRow("long title cut with an ellipsis")
        << longTitle << QStringLiteral("1:02:03") << longTitle << QStringLiteral("| 1:02:03")
        << false;
    QTest::newRow("the system's yt-dlp, the managed one not yet installed")
        << QStringLiteral("x") << QStringLiteral("45") << QStringLiteral("x")
        << QStringLiteral("| 45 sec.") << true;
}

void TestNavigation::metadataShown()
{
    QFETCH(QString, title);
    QFETCH(QString, duration);
    QFETCH(QString, shownTitle);
    QFETCH(QString, shownTime);
    QFETCH(bool, systemTool);
    // The launcher's line when the first installation took too long.
    const QString notice = QStringLiteral(
        "[ \"$1\" = --get-title ] && echo 'WARNING: the managed yt-dlp is still being installed "
        "after 120 s; going on without it' >&2\n");
    stage.setScript((systemTool ? notice : QString()) + answering(title, duration));
    enterAddress(QStringLiteral("https://www.youtube.com/watch?v=abc"));
    QTRY_COMPARE(ui->labelTime->text(), shownTime);
    if (systemTool) {
        QTRY_COMPARE(closer->seen.size(), 1);
        QCOMPARE(closer->seen.at(0).title, QStringLiteral("WARNING"));
        QVERIFY2(closer->seen.at(0).text.startsWith(
                     QLatin1String("The current yt-dlp is still being installed")),
                 qPrintable(closer->seen.at(0).text));
    }
    waitForTable();
    ui->tableView->doubleClicked(ui->tableView->model()->index(0, FormatTableModel::TypeColumn));
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    ui->label_TitleDownload->show();

    // On both pages a title is whole, or cut with "…" and whole in the tooltip; the
    // duration beside it is never covered.
    for (QLabel *label : {ui->labelTitle, ui->label_TitleDownload}) {
        QCOMPARE(label->toolTip(), shownTitle);
        // A screen reader reads it whole.
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), shownTitle);
        const QString text = label->text();
        QVERIFY2(text == shownTitle ||
                     (text.endsWith(QChar(0x2026)) && shownTitle.startsWith(text.chopped(1))),
                 qPrintable(text));
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width());
    }
    QVERIFY(ui->labelTitle->geometry().right() < ui->labelTime->geometry().left());
    QVERIFY(ui->labelTime->width() >= ui->labelTime->sizeHint().width());
    ui->stackedWidget->setCurrentWidget(ui->page_Formats);
    QCOMPARE(ui->labelTitle->text() != shownTitle,
             ui->labelTitle->fontMetrics().horizontalAdvance(shownTitle) >
                 ui->labelTitle->contentsRect().width());
}

void TestNavigation::formatTable()
{
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    QTableView *table = ui->tableView;
    QAbstractItemModel *model = table->model();
    QCOMPARE(model->rowCount(), 11);
    QCOMPARE(model->index(0, FormatTableModel::CodeColumn).data().toUInt(), 137u);
    QVERIFY(table->isColumnHidden(1));
    QCOMPARE(table->horizontalHeader()->sectionResizeMode(2), QHeaderView::Stretch);
    QVERIFY(table->horizontalHeader()
                ->model()
                ->headerData(FormatTableModel::SizeColumn, Qt::Horizontal, Qt::ToolTipRole)
                .toString()
                .contains(QLatin1String("video")));
    // The rows keep the listing's order: a header neither sorts nor shows an arrow.
    QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(table->columnViewportPosition(FormatTableModel::ResolutionColumn) + 5,
                             table->horizontalHeader()->height() / 2));
    QVERIFY(!table->horizontalHeader()->isSortIndicatorShown());
    QCOMPARE(model->index(0, FormatTableModel::CodeColumn).data().toUInt(), 137u);
    QVERIFY(table->styleSheet().contains(QLatin1String("font-size: 14px;")));

    // Only the rows that fit are shown: a part of a row counts when more than 0.3 of it fits.
    int shown = 0;
    while (shown < model->rowCount() && !table->isRowHidden(shown))
        ++shown;
    for (int row = shown; row < model->rowCount(); ++row)
        QVERIFY(table->isRowHidden(row));
    QVERIFY(shown >= 1 && shown < model->rowCount());
    QCOMPARE(shown, visibleRowCount(table->viewport()->height(), table->rowHeight(0)));
    QVERIFY(table->isVisible());
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("labelNoFormats"))->isVisible());

    // A listing of nothing but audio offers no row: a message says so instead.
    QFile listing(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(listing.open(QIODevice::WriteOnly | QIODevice::Truncate));
    listing.write("ID EXT RESOLUTION | FILESIZE\n140 m4a audio only | 3.28MiB audio only\n");
    listing.close();
    QTest::mouseClick(ui->btn_Back_from_Formats, Qt::LeftButton);
    enterAddress(QStringLiteral("https://youtu.be/def"));
    QLabel *none = window->findChild<QLabel *>(QStringLiteral("labelNoFormats"));
    QTRY_VERIFY_WITH_TIMEOUT(none->isVisible(), 10000);
    QVERIFY(!table->isVisible());
    QVERIFY(none->text().startsWith(QLatin1String("This video offers no formats")));
}

void TestNavigation::visibleRows_data()
{
    QTest::addColumn<int>("viewport");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("shown");
    QTest::newRow("2.2 rows") << 220 << 100 << 2;
    QTest::newRow("2.4 rows") << 240 << 100 << 3;
    QTest::newRow("exactly 3") << 300 << 100 << 3;
    QTest::newRow("0.3 of a row") << 30 << 100 << 0;
    QTest::newRow("no row height") << 300 << 0 << 0;
}

void TestNavigation::visibleRows()
{
    QFETCH(int, viewport);
    QFETCH(int, row);
    QFETCH(int, shown);
    QCOMPARE(visibleRowCount(viewport, row), shown);
}

void TestNavigation::onlyDownloadCellDoubleClickOrEnterStarts()
{
    stage.setScript(
        answering(QStringLiteral("Clip"), QStringLiteral("5"), QStringLiteral("sleep 0.5")));
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    QTableView *table = ui->tableView;
    const QString download = QStringLiteral("--no-warnings");
    QVERIFY(runsOf(download).isEmpty());

    QTest::mouseClick(
        table->viewport(), Qt::LeftButton, {},
        table->visualRect(table->model()->index(0, FormatTableModel::ResolutionColumn)).center());
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);

    QTest::mouseClick(
        table->viewport(), Qt::LeftButton, {},
        table->visualRect(table->model()->index(1, FormatTableModel::DownloadColumn)).center());
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Download);
    QTRY_COMPARE(runsOf(download).size(), 1);
    QVERIFY(ui->progressBarDL->isVisible());
    QCOMPARE(ui->progressBarDL->maximum(), 0);
    QCOMPARE(stage.arguments(runsOf(download).value(0)).value(16),
             QStringLiteral("136+bestaudio[ext=m4a]/136+bestaudio/best[ext=mp4]/best[ext=mkv]"));
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    // That download has ended: the click on the other cell started none.
    QCOMPARE(runsOf(download).size(), 1);

    QTest::mouseClick(ui->btn_Back_Last, Qt::LeftButton);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
    doubleClick(table, table->model()->index(0, FormatTableModel::ResolutionColumn));
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Download);
    QTRY_COMPARE(runsOf(download).size(), 2);
    QCOMPARE(stage.arguments(runsOf(download).last()).value(16).left(4), QStringLiteral("137+"));

    // Enter on a chosen row; before a row is chosen it does nothing.
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    QTest::mouseClick(ui->btn_Back_Last, Qt::LeftButton);
    table->setFocus(Qt::OtherFocusReason);
    table->clearSelection();
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    QVERIFY(table->selectionModel()->isRowSelected(2, {}));
    QTest::keyClick(table, Qt::Key_Enter);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Download);
    QTRY_COMPARE(runsOf(download).size(), 3);
    QCOMPARE(stage.arguments(runsOf(download).last()).value(16).left(4), QStringLiteral("135+"));

    // With a single format on offer, Enter downloads it, wherever the focus is on the page.
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    QFile listing(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(listing.open(QIODevice::WriteOnly | QIODevice::Truncate));
    listing.write("ID EXT RESOLUTION | FILESIZE\n22 mp4 1280x720 | 9.00MiB\n");
    listing.close();
    QTest::mouseClick(ui->btnStartOver, Qt::LeftButton);
    enterAddress(QStringLiteral("https://youtu.be/def"));
    waitForTable();
    QVERIFY(ui->btn_Back_from_Formats->hasFocus());
    QTest::keyClick(ui->btn_Back_from_Formats, Qt::Key_Return);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Download);
    QTRY_COMPARE(runsOf(download).size(), 4);
    QCOMPARE(stage.arguments(runsOf(download).last()).value(16).left(3), QStringLiteral("22+"));
}

void TestNavigation::namesAndFocusOrder()
{
    for (QPushButton *button : {ui->btn_Back_from_Process, ui->pushButton_Process,
                                ui->btn_Back_from_Formats, ui->btn_Back_Last}) {
        QVERIFY2(!button->accessibleName().isEmpty() && !button->toolTip().isEmpty(),
                 qPrintable(button->objectName()));
    }
    // The field says what to paste; the bars say what they measure.
    QCOMPARE(ui->editURL->placeholderText(), QStringLiteral("Paste a YouTube video address"));
    QVERIFY(!ui->editURL->accessibleDescription().isEmpty());
    QCOMPARE(ui->progressBarDL->accessibleName(), QStringLiteral("Download progress"));
    QVERIFY(!window->windowIcon().isNull());

    // Rows of one resolution tell their container, codec, frame rate and HDR apart, from a
    // real listing, in their tooltips and in what a screen reader reads of their cells.
    QFile listing(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(listing.open(QIODevice::WriteOnly | QIODevice::Truncate));
    listing.write(
        testData(QStringLiteral("listings/15-local-ytdlp-2023.03.04-codecs-fps-hdr.txt")).toUtf8());
    listing.close();
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    const QAbstractItemModel *model = ui->tableView->model();
    const auto said = [model](int row, int column, int role = Qt::AccessibleTextRole) {
        return model->index(row, column).data(role).toString();
    };
    QCOMPARE(said(0, FormatTableModel::TypeColumn),
             QStringLiteral("Video with audio, 1920x1080, MP4, AV1, 60 fps, HDR10"));
    QCOMPARE(said(0, FormatTableModel::DownloadColumn),
             QStringLiteral("Download 1920x1080, MP4, AV1, 60 fps, HDR10"));
    QCOMPARE(said(2, FormatTableModel::SizeColumn),
             QStringLiteral("47.68MiB, 1920x1080, WEBM, VP9, 60 fps"));
    QCOMPARE(said(3, FormatTableModel::ResolutionColumn, Qt::ToolTipRole),
             QStringLiteral("1920x1080, MP4, H.264, 30 fps"));
    QStringList downloads;
    for (int row = 0; row < model->rowCount(); ++row)
        downloads.append(said(row, FormatTableModel::DownloadColumn));
    downloads.removeDuplicates();
    QCOMPARE(downloads.size(), model->rowCount());
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(ui->tableView);
    QCOMPARE(table->tableInterface()
                 ->cellAt(0, FormatTableModel::DownloadColumn)
                 ->text(QAccessible::Name),
             said(0, FormatTableModel::DownloadColumn));
    // The format page's cells are not reported as showing behind another page.
    const auto cellsShowing = [table] {
        int showing = 0;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface *child = table->child(i);
            showing += child && child->role() == QAccessible::Cell && !child->state().invisible;
        }
        return showing;
    };
    QVERIFY(cellsShowing() > 0);
    ui->stackedWidget->setCurrentWidget(ui->page_Download);
    QCOMPARE(cellsShowing(), 0);
    ui->stackedWidget->setCurrentWidget(ui->page_Formats);
    QVERIFY(cellsShowing() > 0);
    QTest::mouseClick(ui->btn_Back_from_Formats, Qt::LeftButton);
    QVERIFY(listing.open(QIODevice::WriteOnly | QIODevice::Truncate));
    listing.write(elevenFormats());
    listing.close();
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();

    // Tab walks each page from top to bottom.
    const auto walk = [](QWidget *from, int steps) {
        from->setFocus(Qt::OtherFocusReason);
        QStringList names{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names.append(QApplication::focusWidget()->objectName());
        }
        return names;
    };
    QCOMPARE(walk(ui->btn_Back_from_Formats, 3),
             (QStringList{QStringLiteral("btn_Back_from_Formats"), QStringLiteral("tableView"),
                          QStringLiteral("btnPart"), QStringLiteral("btn_Back_from_Formats")}));
    // Tabbing into the table makes its first row the chosen one.
    QCOMPARE(ui->tableView->currentIndex().row(), 0);
    QVERIFY(ui->tableView->selectionModel()->isRowSelected(0, {}));
    // An image button shows when it has the focus.
    const QImage focused = ui->btn_Back_from_Formats->grab().toImage();
    ui->tableView->setFocus(Qt::TabFocusReason);
    QVERIFY(ui->btn_Back_from_Formats->grab().toImage() != focused);
    QTest::mouseClick(ui->btn_Back_from_Formats, Qt::LeftButton);
    QCOMPARE(walk(ui->editURL, 2),
             (QStringList{QStringLiteral("editURL"), QStringLiteral("pushButton_Process"),
                          QStringLiteral("editURL")}));

    // The table's interface goes with the table, however often the table was filled, so
    // that a later table at the same address is not taken for it.
    const QAccessible::Id tableId = QAccessible::uniqueId(table);
    window.reset();
    QVERIFY(!QAccessible::accessibleInterface(tableId));
}

void TestNavigation::downloadPageFlow()
{
    // The sound alone, offered when the listing has it, takes the same road as a video.
    const QString saved = outputDir() + QStringLiteral("/Clip_audio_abc.m4a");
    QFile listing(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(listing.open(QIODevice::Append));
    listing.write("140 m4a audio only | 3.00MiB audio only\n");
    listing.close();
    stage.setScript(
        answering(QStringLiteral("Clip"), QStringLiteral("5"),
                  QStringLiteral("f='%1'; head -c 2048 /dev/zero > \"$f\"; "
                                 "printf '[download] Destination: %s\\n' \"$f\"; "
                                 "printf '[download]  40.0%% of 1MiB\\n'; sleep 0.5; "
                                 "printf '[download] 100%% of 1MiB\\n'; sleep 0.5; exit 0")
                      .arg(saved)));
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    auto *audio = window->findChild<QPushButton *>(QStringLiteral("btnAudioOnly"));
    auto *savedLine = window->findChild<QLabel *>(QStringLiteral("label_SavedFile"));
    auto *openFile = window->findChild<QPushButton *>(QStringLiteral("btnOpenFile"));
    QVERIFY(audio->isVisible());
    QCOMPARE(audio->text(), QStringLiteral("Audio only"));
    QTest::mouseClick(audio, Qt::LeftButton);
    QCOMPARE(ui->label_TitleDownload->text(), QStringLiteral("Clip"));
    QVERIFY(ui->btnCancel->isVisible());
    QVERIFY(!ui->btnOpenFolder->isVisible() && !ui->btnStartOver->isVisible() &&
            !ui->label_DL_OK->isVisible() && !openFile->isVisible() && !savedLine->isVisible());
    QTRY_COMPARE(runsOf(QStringLiteral("--no-warnings")).size(), 1);
    QCOMPARE(stage.arguments(runsOf(QStringLiteral("--no-warnings")).at(0)).value(16),
             QStringLiteral("bestaudio[ext=m4a]/bestaudio"));

    QTRY_COMPARE(ui->progressBarDL->value(), 40);
    QCOMPARE(ui->progressBarDL->maximum(), 100);
    QVERIFY(ui->label_DL_Details->isVisible());
    QCOMPARE(ui->label_DL_Details->text(), QStringLiteral("409.6 KiB of 1.0 MiB"));
    // At 100 the tool still merges: the bar turns busy.
    QTRY_COMPARE(ui->progressBarDL->maximum(), 0);
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    QCOMPARE(ui->label_DL_OK->text(), QStringLiteral("Sound Successfully Saved"));
    QVERIFY(ui->btnStartOver->isVisible() && ui->btnOpenFolder->isVisible() &&
            ui->btn_Back_Last->isVisible());
    // The three buttons in one font and one size.
    for (QPushButton *button : {ui->btnOpenFolder, openFile}) {
        QCOMPARE(button->font(), ui->btnStartOver->font());
        QCOMPARE(button->size(), ui->btnStartOver->size());
    }
    QVERIFY(!ui->btnCancel->isVisible() && !ui->progressBarDL->isVisible() &&
            !ui->label_DL->isVisible() && !ui->label_DL_Details->isVisible());
    // The saved file, named with its size, opens with the desktop's application.
    QVERIFY(savedLine->isVisible() && openFile->isVisible());
    QCOMPARE(savedLine->text(), QStringLiteral("2.0 KiB · Clip_audio_abc.m4a"));
    QCOMPARE(openFile->text(), QStringLiteral("Open File"));
    FolderOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    QTest::mouseClick(openFile, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opener.opened, QList<QUrl>{QUrl::fromLocalFile(saved)});
    QFile::remove(saved);

    // A later report below 100 is shown at once, not one report late.
    ProgressDetails later;
    later.percent = 55;
    emit engine.progressDetails(later);
    QCOMPARE(ui->progressBarDL->maximum(), 100);
    QCOMPARE(ui->progressBarDL->value(), 55);

    // Starting over offers a newly copied link in place of the last address. Enter on a
    // control that takes no Enter presses the window's first button, Start Over.
    QGuiApplication::clipboard()->setText(QStringLiteral("https://youtu.be/next"));
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    ui->btn_Back_Last->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui->btn_Back_Last, Qt::Key_Return);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_URL);
    QCOMPARE(ui->editURL->text(), QStringLiteral("https://youtu.be/next"));
    QGuiApplication::clipboard()->clear();
}

void TestNavigation::cancelReturnsWhenStopped()
{
    stage.setScript(
        answering(QStringLiteral("Clip"), QStringLiteral("5"), QStringLiteral("sleep 300")));
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    ui->tableView->doubleClicked(ui->tableView->model()->index(0, FormatTableModel::TypeColumn));
    QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("--no-warnings")).size(), 1, 10000);
    const qint64 download = runsOf(QStringLiteral("--no-warnings")).at(0);
    QVERIFY(processRunning(download));

    QTest::mouseClick(ui->btnCancel, Qt::LeftButton);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Download);
    QTRY_VERIFY(!processRunning(download));
    QTRY_COMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
    QVERIFY(closer->seen.isEmpty());
}

void TestNavigation::backFromFormatsStopsQuietly()
{
    stage.setScript(QStringLiteral("case \"$1\" in --update) exit 0 ;; *) sleep 300 ;; esac"));
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    QTRY_COMPARE(runsOf(QStringLiteral("--get-title")).size(), 1);
    QTest::mouseClick(ui->btn_Back_from_Formats, Qt::LeftButton);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_URL);
    QTRY_VERIFY(!processRunning(runsOf(QStringLiteral("--get-title")).at(0)));
    waitForLaterRun();
    QVERIFY(closer->seen.isEmpty());
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_URL);
}

void TestNavigation::errorDialogs_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("toolError");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("headline"); // empty: no dialog
    QTest::addColumn<QString>("advice");   // what to do, in plain words
    QTest::addColumn<QString>("page");     // shown afterwards, from the download page

    const QString en = QStringLiteral("en");
    const QString download = QStringLiteral("page_Download");
    const QString address = QStringLiteral("page_URL");
    const QString formats = QStringLiteral("page_Formats");
    const QString line = QStringLiteral("ERROR: a <b> & c");
    const QString update = QStringLiteral("Try again. If it happens again, update the downloader "
                                          "with “Manually Update Software” in the menu.");
    const QString titleUnread = QStringLiteral("The video's title and length could not be read");
    QTest::newRow("69") << 69 << line << en << titleUnread
                        << QStringLiteral(
                               "Check the address and the internet connection, then try again.")
                        << address;
    QTest::newRow("70") << 70 << line << en
                        << QStringLiteral("The video's length could not be read") << update
                        << address;
    QTest::newRow("71") << 71 << line << en << QString() << QString() << address;
    QTest::newRow("72") << 72 << QString() << en
                        << QStringLiteral("The downloader stopped while reading the video's title")
                        << update << address;
    QTest::newRow("73") << 73 << line << en << QString() << QString() << address;
    QTest::newRow("74") << 74 << QString() << en
                        << QStringLiteral("The downloader stopped while listing the formats")
                        << update << download;
    QTest::newRow("85") << 85 << line << en << QString() << QString() << formats;
    QTest::newRow("86 returns to the formats")
        << 86 << QString() << en << QStringLiteral("The downloader stopped during the download")
        << QStringLiteral("Choose the format again to start the download anew.") << formats;
    QTest::newRow("101") << 101 << QString() << en
                         << QStringLiteral("The video's list of formats could not be read")
                         << update << download;
    QTest::newRow("102 returns to the address")
        << 102 << QString() << en << QStringLiteral("The downloader could not be started")
        << QStringLiteral("Install the program again: its downloader is missing or cannot be run.")
        << address;
    QTest::newRow("103") << 103 << line << en << QStringLiteral("The download failed")
                         << QStringLiteral("Try again, or choose another format.") << formats;
    QTest::newRow("104") << 104 << line << en
                         << QStringLiteral("The video's list of formats could not be fetched")
                         << QStringLiteral("Check the internet connection, then try again.")
                         << download;
    QTest::newRow("unknown") << 100 << line << en << QStringLiteral("Something went wrong")
                             << QStringLiteral("Try again.") << download;
    // A failure people commonly meet is told in plain words, the tool's line kept behind.
    const QString privateVideo = QStringLiteral("ERROR: [youtube] abc123XYZ_0: Private video. "
                                                "Sign in if you've been granted access to this "
                                                "video");
    QTest::newRow("103, private video")
        << 103 << privateVideo << en << QStringLiteral("The download failed")
        << QStringLiteral("This video is private: only people its owner invited can watch it. "
                          "Choose another video.")
        << formats;
    // Those the user's signed-in browser can get past say where to choose it.
    const QString menu =
        QStringLiteral(" under “Use Cookies From” in the menu (right-click the window)");
    const QString bot = QStringLiteral("ERROR: [youtube] abc: Sign in to confirm you’re not a bot");
    QTest::newRow("69, a bot check")
        << 69 << bot << en << titleUnread
        << QStringLiteral("The site asks to sign in to confirm that you are not a bot. Choose a "
                          "browser you are signed in with") +
               menu + QStringLiteral(", or try again later.")
        << address;
    const QString members = QStringLiteral(
        "ERROR: [youtube] abc: Join this channel to get access to members-only content");
    QTest::newRow("103, members only")
        << 103 << members << en << QStringLiteral("The download failed")
        << QStringLiteral("This video is for the channel's paying members only. If you are one, "
                          "sign in to the site in your browser and choose that browser") +
               menu + QStringLiteral(".")
        << formats;
    // A video without formats fails when its title is asked for: the headline says why.
    const QString noFormats =
        QStringLiteral("ERROR: [youtube] abc123XYZ_0: Requested format is not available. Use "
                       "--list-formats for a list of available formats");
    QTest::newRow("69, no formats")
        << 69 << noFormats << en << QStringLiteral("This video offers no formats to download")
        << QStringLiteral("Check the address, or try again later.") << address;
    // The user's language first; the tool's English line stays behind the details.
    QTest::newRow("69, German")
        << 69 << line << QStringLiteral("de")
        << QStringLiteral("Titel und Länge des Videos konnten nicht gelesen werden")
        << QStringLiteral("Prüfen Sie die Adresse und die Internetverbindung und versuchen Sie "
                          "es dann erneut.")
        << address;
    QTest::newRow("103, private video, French")
        << 103 << privateVideo << QStringLiteral("fr")
        << QStringLiteral("Le téléchargement a échoué")
        << QStringLiteral("Cette vidéo est privée\u00a0: seules les personnes invitées par son "
                          "propriétaire peuvent la voir. Choisissez une autre vidéo.")
        << formats;
    QTest::newRow("102, German")
        << 102 << QString() << QStringLiteral("de")
        << QStringLiteral("Das Download-Programm konnte nicht gestartet werden")
        << QStringLiteral("Installieren Sie das Programm erneut: Sein Download-Programm fehlt "
                          "oder lässt sich nicht ausführen.")
        << address;
    // The last line of an old yt-dlp's traceback, with a browser that has no profile.
    const QString profile = QStringLiteral(
        "FileNotFoundError: could not find firefox cookies database in /h/.mozilla/firefox");
    QTest::newRow("69, cookies of a browser without a profile")
        << 69 << profile << en << titleUnread
        << QStringLiteral("The browser's cookies could not be read: no profile of that browser "
                          "was found. Start that browser once and sign in to the site, or choose "
                          "another browser or “None”") +
               menu + QStringLiteral(".")
        << address;
}

void TestNavigation::errorDialogs()
{
    QFETCH(int, code);
    QFETCH(QString, toolError);
    QFETCH(QString, language);
    QFETCH(QString, headline);
    QFETCH(QString, advice);
    QFETCH(QString, page);
    speak(language);
    const auto english = qScopeGuard([] { speak(QStringLiteral("en")); });
    const QString codeText =
        QCoreApplication::translate("ErrorMessage", "Code: #0x%1").arg(QString::number(code, 16));
    QVERIFY(codeText.contains(QString::number(code, 16)));
    const QString text = QStringLiteral("<h3>%1</h3><p>%2</p><p><small>%3</small></p>")
                             .arg(headline.toHtmlEscaped(), advice.toHtmlEscaped(), codeText);
    if (!headline.isEmpty()) {
        const ErrorMessage message = errorMessage(code, toolError);
        QCOMPARE(message.text, text);
        QCOMPARE(message.details, toolError);
    }

    ui->stackedWidget->setCurrentWidget(ui->page_Download);
    ui->progressBar->show();

    emit engine.somethingWrong(Clipmoor::Failure{Clipmoor::errorType(code), toolError, {}});
    QVERIFY(!ui->progressBar->isVisibleTo(ui->page_Formats));
    QCOMPARE(ui->stackedWidget->currentWidget()->objectName(), page);
    if (headline.isEmpty()) {
        QCOMPARE(closer->seen.size(), 0);
        return;
    }
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QCoreApplication::translate("ErrorMessage", "ERROR"));
    QCOMPARE(closer->seen.at(0).text, text);
    QCOMPARE(closer->seen.at(0).details, toolError);
}

void TestNavigation::contextMenu()
{
    for (QWidget *page : {ui->page_URL, ui->page_Formats, ui->page_Download, ui->pageEmpty}) {
        closer->seen.clear();
        ui->stackedWidget->setCurrentWidget(page);
        QTest::mouseClick(ui->stackedWidget, Qt::RightButton, {}, QPoint(3, 3));
        QTRY_COMPARE(closer->seen.size(), 1);
        QCOMPARE(closer->seen.at(0).entries,
                 (QStringList{QStringLiteral("Manually Update Software"),
                              QStringLiteral("Logging enabled"), QStringLiteral("-"),
                              QStringLiteral("Change Scale Size"),
                              QStringLiteral("Choose Download Folder…"),
                              QStringLiteral("Use Cookies From"), QStringLiteral("yt-dlp Channel"),
                              QStringLiteral("Embed Title, Chapters and Cover"),
                              QStringLiteral("Prepare Copied Links"), QStringLiteral("-"),
                              QStringLiteral("Show UUID"), QStringLiteral("About")}));
    }
    auto *scales = qobject_cast<QMenu *>(menuEntry(QStringLiteral("Change Scale Size"))->menu());
    QStringList texts;
    for (QAction *entry : scales->actions())
        texts.append(entry->text() + (entry->isChecked() ? QStringLiteral("*") : QString()));
    QCOMPARE(texts,
             (QStringList{QStringLiteral("90%"), QStringLiteral("100%*"), QStringLiteral("110%"),
                          QStringLiteral("120%"), QStringLiteral("125%"), QStringLiteral("130%"),
                          QStringLiteral("135%"), QStringLiteral("140%"), QStringLiteral("145%")}));

    // From the keyboard, the Menu key (which the platform turns into a keyboard menu event
    // for the focused widget) and Shift+F10 open it at the focused widget; the address
    // field keeps its own edit menu there too.
    ui->stackedWidget->setCurrentWidget(ui->page_URL);
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    for (QWidget *focus :
         {static_cast<QWidget *>(ui->pushButton_Process), static_cast<QWidget *>(ui->editURL)}) {
        for (const bool menuKey : {true, false}) {
            closer->seen.clear();
            // The offscreen platform leaves the menu closed last active, where a desktop
            // gives the window its activation back.
            window->activateWindow();
            QTRY_VERIFY(window->isActiveWindow());
            focus->setFocus(Qt::TabFocusReason);
            const QPoint at = focus->rect().center();
            QContextMenuEvent key(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
            if (menuKey)
                QApplication::sendEvent(focus, &key);
            else
                QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
            QTRY_COMPARE(closer->seen.size(), 1);
            // In the address field, the only control of its page, the field's edit entries
            // come first and the program's follow.
            const QStringList entries = closer->seen.at(0).entries;
            QVERIFY2(entries.contains(QStringLiteral("About")), qPrintable(entries.join(u'|')));
            QCOMPARE(entries.value(0).startsWith(QLatin1String("&Undo")), focus == ui->editURL);
            // The field's menu goes once closed.
            if (focus != ui->editURL)
                QCOMPARE(qobject_cast<QWidget *>(closer->seen.at(0).object)->pos(),
                         focus->mapToGlobal(at));
        }
    }

    // The address field keeps its own edit menu.
    closer->seen.clear();
    ui->stackedWidget->setCurrentWidget(ui->page_URL);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            ui->editURL->mapToGlobal(QPoint(5, 5)));
    QTest::mousePress(ui->editURL, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(ui->editURL, Qt::RightButton, {}, QPoint(5, 5));
    QApplication::sendEvent(ui->editURL, &event);
    QTRY_VERIFY(!closer->seen.isEmpty());
    QVERIFY(!closer->seen.at(0).entries.contains(QStringLiteral("About")));
}

void TestNavigation::scaleSizes_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("addressWindow");
    QTest::addColumn<QSize>("processButton");
    QTest::addColumn<QSize>("bigBack");
    QTest::addColumn<QSize>("formatsWindow");
    QTest::addColumn<QSize>("downloadWindow");
    QTest::addColumn<QSize>("smallBack");
    QTest::newRow("90") << 90 << QSize(345, 115) << QSize(138, 38) << QSize(55, 23)
                        << QSize(345, 230) << QSize(345, 129) << QSize(18, 18);
    QTest::newRow("100") << 100 << QSize(384, 128) << QSize(153, 43) << QSize(62, 26)
                         << QSize(384, 256) << QSize(384, 144) << QSize(20, 20);
    QTest::newRow("125") << 125 << QSize(480, 160) << QSize(192, 53) << QSize(77, 33)
                         << QSize(480, 320) << QSize(480, 180) << QSize(25, 25);
    QTest::newRow("145") << 145 << QSize(556, 185) << QSize(223, 62) << QSize(90, 38)
                         << QSize(556, 372) << QSize(556, 208) << QSize(29, 29);
}

void TestNavigation::scaleSizes()
{
    QFETCH(int, scale);
    QFETCH(QSize, addressWindow);
    QFETCH(QSize, processButton);
    QFETCH(QSize, bigBack);
    QFETCH(QSize, formatsWindow);
    QFETCH(QSize, downloadWindow);
    QFETCH(QSize, smallBack);
    session.settings->setValue(QStringLiteral("Scale/Val"), scale);
    createWindow();

    QTRY_COMPARE(window->size(), addressWindow);
    QTRY_COMPARE(ui->pushButton_Process->size(), processButton);
    QCOMPARE(ui->pushButton_Process->iconSize(), processButton);
    QTRY_COMPARE(ui->btn_Back_from_Process->size(), bigBack);
    ui->stackedWidget->setCurrentWidget(ui->page_Formats);
    QTRY_COMPARE(window->size(), formatsWindow);
    QTRY_COMPARE(ui->btn_Back_from_Formats->size(), smallBack);
    ui->stackedWidget->setCurrentWidget(ui->page_Download);
    QTRY_COMPARE(window->size(), downloadWindow);
    QTRY_COMPARE(ui->btn_Back_Last->size(), smallBack);
    ui->stackedWidget->setCurrentWidget(ui->pageEmpty);
    QTRY_COMPARE(window->size(), addressWindow);
}

void TestNavigation::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QFontDatabase::WritingSystem>("writing"); // needs a font of its own
    QTest::newRow("English") << "en" << QFontDatabase::Latin;
    QTest::newRow("German") << "de" << QFontDatabase::Latin;
    QTest::newRow("French") << "fr" << QFontDatabase::Latin;
    QTest::newRow("Spanish") << "es" << QFontDatabase::Latin;
    QTest::newRow("Italian") << "it" << QFontDatabase::Latin;
    QTest::newRow("Portuguese (Brazil)") << "pt_BR" << QFontDatabase::Latin;
    QTest::newRow("Polish") << "pl" << QFontDatabase::Latin;
    QTest::newRow("Dutch") << "nl" << QFontDatabase::Latin;
    QTest::newRow("Turkish") << "tr" << QFontDatabase::Latin;
    QTest::newRow("Russian") << "ru" << QFontDatabase::Cyrillic;
    QTest::newRow("Ukrainian") << "uk" << QFontDatabase::Cyrillic;
    QTest::newRow("Japanese") << "ja" << QFontDatabase::Japanese;
    QTest::newRow("Simplified Chinese") << "zh_CN" << QFontDatabase::SimplifiedChinese;
}

// Every text is whole in its control on every page at every scale: its width in the
// control's font is within the control, and the control within the window.
void TestNavigation::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(QFontDatabase::WritingSystem, writing);
    // Widths measured in boxes for missing glyphs would say nothing.
    QVERIFY(!QFontDatabase::families(writing).isEmpty());
    QVERIFY(speak(language));
    createWindow();
    // The longest texts the pages show: a full progress reading, a long duration.
    ProgressDetails reading;
    reading.downloaded = 1023.4 * 1024 * 1024;
    reading.total = 1023.9 * 1024 * 1024;
    reading.speed = 1023.5 * 1024;
    reading.secondsLeft = 10 * 3600 + 2 * 60 + 3;
    emit engine.progressDetails(reading);
    ui->labelTime->setText(QStringLiteral("| 10:02:03"));

    QStringList faults;
    const auto check = [&faults](QWidget *page, const QString &where) {
        for (QWidget *control : page->findChildren<QWidget *>()) {
            if (!control->isVisibleTo(page))
                continue;
            const QString name = where + QLatin1Char(' ') + control->objectName();
            bool fits = control->mapTo(page, control->rect().bottomRight()).x() < page->width();
            if (auto *image = qobject_cast<ImageButton *>(control)) {
                const QFont font = image->captionFont();
                fits = fits && QFontMetricsF(font).horizontalAdvance(image->text()) <=
                                   image->captionRoom().width();
            } else if (auto *button = qobject_cast<QPushButton *>(control)) {
                fits = fits && button->sizeHint().width() <= button->width();
            } else if (auto *label = qobject_cast<QLabel *>(control)) {
                fits = fits &&
                       (label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                          : label->fontMetrics().horizontalAdvance(label->text()) <=
                                                label->contentsRect().width());
            }
            if (!fits)
                faults.append(name);
        }
    };
    QMenu *scales = nullptr;
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        if (!menu->actions().isEmpty() && menu->actions().first()->data().toUInt() == 90)
            scales = menu;
    }
    QVERIFY(scales);
    for (QAction *entry : scales->actions()) {
        entry->trigger();
        const QString scale = entry->data().toString();
        ui->btn_Back_from_Process->show();
        ui->stackedWidget->setCurrentWidget(ui->page_URL);
        ui->page_URL->layout()->activate();
        check(ui->page_URL, scale + QStringLiteral(" address"));
        ui->stackedWidget->setCurrentWidget(ui->page_Formats);
        for (const char *name :
             {"btnAudioOnly", "btnMp3", "labelSubtitles", "comboSubtitles", "btnPart", "labelPart"})
            window->findChild<QWidget *>(QLatin1String(name))->show();
        auto *subtitles = window->findChild<QComboBox *>(QStringLiteral("comboSubtitles"));
        subtitles->clear();
        subtitles->addItem(QCoreApplication::translate("FormatChoices", "%1 (automatic)")
                               .arg(FormatChoices::languageName(QStringLiteral("pt-BR"), {})));
        window->findChild<QLabel *>(QStringLiteral("labelPart"))
            ->setText(QStringLiteral("10:00:00 – 10:59:59"));
        for (const bool offered : {true, false}) {
            window->findChild<QLabel *>(QStringLiteral("labelNoFormats"))->setVisible(!offered);
            // Without a video there are no subtitles to choose.
            window->findChild<QWidget *>(QStringLiteral("labelSubtitles"))->setVisible(offered);
            subtitles->setVisible(offered);
            ui->page_Formats->layout()->activate();
            check(ui->page_Formats, scale + QStringLiteral(" formats"));
        }
        ui->stackedWidget->setCurrentWidget(ui->page_Download);
        for (const bool finished : {false, true}) {
            for (QWidget *part : {static_cast<QWidget *>(ui->label_DL),
                                  static_cast<QWidget *>(ui->label_TitleDownload),
                                  static_cast<QWidget *>(ui->label_DL_Details),
                                  static_cast<QWidget *>(ui->btnCancel)})
                part->setVisible(!finished);
            for (QWidget *part :
                 {static_cast<QWidget *>(ui->label_DL_OK), static_cast<QWidget *>(ui->btnStartOver),
                  static_cast<QWidget *>(ui->btnOpenFolder),
                  static_cast<QWidget *>(ui->btn_Back_Last),
                  window->findChild<QWidget *>(QStringLiteral("btnOpenFile")),
                  window->findChild<QWidget *>(QStringLiteral("label_SavedFile"))})
                part->setVisible(finished);
            ui->page_Download->layout()->activate();
            check(ui->page_Download, scale + QStringLiteral(" download"));
        }
    }
    speak(QStringLiteral("en"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
}

void TestNavigation::scaleChoiceIsStored()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Formats);
    QTRY_COMPARE(window->size(), QSize(384, 256));
    menuEntry(QStringLiteral("125%"))->trigger();
    QTRY_COMPARE(window->size(), QSize(480, 320));
    QTRY_COMPARE(ui->btn_Back_from_Formats->size(), QSize(25, 25));
    QCOMPARE(session.settings->value(QStringLiteral("Scale/Val")).toUInt(), 125u);
    for (QAction *entry :
         qobject_cast<QMenu *>(menuEntry(QStringLiteral("125%"))->parent())->actions())
        QCOMPARE(entry->isChecked(), entry->text() == QLatin1String("125%"));

    // Another entry of the menu never reaches the scale.
    auto *menu = qobject_cast<QMenu *>(menuEntry(QStringLiteral("About"))->parent());
    menu->addAction(QStringLiteral("Probe"))->trigger();
    QCOMPARE(window->size(), QSize(480, 320));
    QCOMPARE(session.settings->value(QStringLiteral("Scale/Val")).toUInt(), 125u);
    QVERIFY(menuEntry(QStringLiteral("125%"))->isChecked());

    // The next start takes the stored scale.
    createWindow();
    QTRY_COMPARE(window->size(), QSize(480, 160));
    QVERIFY(menuEntry(QStringLiteral("125%"))->isChecked());
}

void TestNavigation::storedScale_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QSize>("size");      // of the window on the address page
    QTest::addColumn<QString>("checked"); // the one marked scale entry, if any
    QTest::newRow("not offered, used as it is") << QVariant(115) << QSize(441, 147) << QString();
    QTest::newRow("lowest sane") << QVariant(50) << QSize(192, 64) << QString();
    QTest::newRow("not a number") << QVariant(QStringLiteral("big")) << QSize(384, 128)
                                  << QStringLiteral("100%");
    QTest::newRow("zero") << QVariant(0) << QSize(384, 128) << QStringLiteral("100%");
    QTest::newRow("negative") << QVariant(-90) << QSize(384, 128) << QStringLiteral("100%");
    QTest::newRow("beyond sane") << QVariant(301) << QSize(384, 128) << QStringLiteral("100%");
    QTest::newRow("huge") << QVariant(QStringLiteral("99999999999")) << QSize(384, 128)
                          << QStringLiteral("100%");
}

void TestNavigation::storedScale()
{
    QFETCH(QVariant, stored);
    QFETCH(QSize, size);
    QFETCH(QString, checked);
    session.settings->setValue(QStringLiteral("Scale/Val"), stored);
    createWindow();
    QTRY_COMPARE(window->size(), size);
    for (QAction *entry :
         qobject_cast<QMenu *>(menuEntry(QStringLiteral("100%"))->parent())->actions())
        QCOMPARE(entry->isChecked(), entry->text() == checked);
}

void TestNavigation::coloursFollowThePalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("done");      // the finished text's colour; empty: any readable
    QTest::addColumn<QString>("selection"); // a chosen row's background; empty: any readable
    const QPalette light(Qt::black, QColor(0xef, 0xef, 0xef), Qt::white, QColor(0x9f, 0x9f, 0x9f),
                         QColor(0xb8, 0xb8, 0xb8), Qt::black, Qt::white, Qt::white,
                         QColor(0xef, 0xef, 0xef));
    const QPalette dark(Qt::white, QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50),
                        QColor(0x20, 0x20, 0x20), QColor(0x2a, 0x2a, 0x2a), Qt::white, Qt::white,
                        QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    QTest::newRow("light, as designed") << light << "#008000"
                                        << "#d3d3d3";
    QTest::newRow("dark") << dark << QString() << QString();
}

void TestNavigation::coloursFollowThePalette()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, done);
    QFETCH(QString, selection);
    // The contrast ratio of two colours, as readability guidelines measure it.
    const auto contrast = [](const QColor &a, const QColor &b) {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
                   0.0722 * channel(c.blueF());
        };
        const double la = luminance(a) + 0.05;
        const double lb = luminance(b) + 0.05;
        return la > lb ? la / lb : lb / la;
    };
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    createWindow();
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    ui->tableView->selectRow(0);

    const QColor text = ui->label_DL_OK->palette().color(QPalette::WindowText);
    const QColor chosen = ui->tableView->viewport()->grab().toImage().pixelColor(
        ui->tableView
            ->visualRect(ui->tableView->model()->index(0, FormatTableModel::ResolutionColumn))
            .topRight() +
        QPoint(-2, 2));
    QApplication::setPalette(before);
    if (!done.isEmpty()) {
        QCOMPARE(text.name(), done);
        QCOMPARE(chosen.name(), selection);
    }
    QVERIFY2(contrast(text, palette.color(QPalette::Window)) >= 3.0, qPrintable(text.name()));
    QVERIFY2(contrast(chosen, palette.color(QPalette::Text)) >= 4.5, qPrintable(chosen.name()));
    QVERIFY(chosen != palette.color(QPalette::Base));
}

void TestNavigation::escapeNeverCloses()
{
    for (QWidget *page : {ui->page_URL, ui->page_Formats, ui->page_Download}) {
        ui->stackedWidget->setCurrentWidget(page);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::keyClick(ui->editURL, Qt::Key_Escape);
        QVERIFY(window->isVisible());
    }
}

void TestNavigation::closingDuringDownloadAsks()
{
    // Each download runs until the test lets it end.
    stage.setScript(answering(QStringLiteral("Clip"), QStringLiteral("5"),
                              QStringLiteral("while [ ! -e \"$here/go\" ]; do sleep 0.05; done")));
    const QString go = stage.file(QStringLiteral("go"));
    const auto startDownload = [this] {
        ui->tableView->doubleClicked(
            ui->tableView->model()->index(0, FormatTableModel::TypeColumn));
    };
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    startDownload();
    QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("--no-warnings")).size(), 1, 10000);
    qint64 download = runsOf(QStringLiteral("--no-warnings")).last();

    // Escape neither closes nor asks; closing asks, and "No" keeps the download.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QVERIFY(closer->seen.isEmpty());
    QVERIFY(!window->close());
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).text, QStringLiteral("A download is running. Stop it and quit?"));
    QVERIFY(window->isVisible());
    QVERIFY(processRunning(download));

    // The question goes by itself when the download ends meanwhile; the window stays.
    closer->onDialog = [go](QDialog *dialog) {
        const QPointer<QDialog> question(dialog);
        QFile(go).open(QIODevice::WriteOnly);
        QTRY_VERIFY(!question || !question->isVisible());
    };
    QVERIFY(!window->close());
    QTRY_COMPARE(closer->seen.size(), 2);
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    QVERIFY(window->isVisible());

    // "Yes" stops the download and closes the window.
    QFile::remove(go);
    QTest::mouseClick(ui->btn_Back_Last, Qt::LeftButton);
    startDownload();
    QTRY_COMPARE_WITH_TIMEOUT(runsOf(QStringLiteral("--no-warnings")).size(), 2, 10000);
    download = runsOf(QStringLiteral("--no-warnings")).last();
    closer->onDialog = [](QDialog *dialog) {
        qobject_cast<QMessageBox *>(dialog)->button(QMessageBox::Yes)->click();
    };
    QVERIFY(!window->close());
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(closer->seen.size(), 3);
    QTRY_VERIFY(!processRunning(download));
    closer->onDialog = nullptr;

    // With nothing running, the window closes without a word.
    window->show();
    QVERIFY(window->close());
    QCOMPARE(closer->seen.size(), 3);
}

void TestNavigation::toolUpdateFromMenu()
{
    // Background self-updates of this and earlier windows may still be arriving; only the
    // runs the engine waits on, children of this process, count here.
    const auto attachedUpdates = [this] {
        int count = 0;
        for (qint64 pid : stage.runs())
            count += stage.parentOf(pid) == QCoreApplication::applicationPid() &&
                     stage.arguments(pid) == QStringList{QStringLiteral("--update")};
        return count;
    };
    ui->stackedWidget->setCurrentWidget(ui->page_Formats);

    QAction *manual = menuEntry(QStringLiteral("Manually Update Software"));
    manual->trigger();
    manual->trigger();
    QCOMPARE(calls().mid(1), (QStringList{QStringLiteral("manualCheck 2023 25.0826"),
                                          QStringLiteral("manualCheck 2023 25.0826")}));

    // A server that drips its files: the page says what it waits for, and Cancel ends it.
    const struct {
        const char *script;
        const char *title; // none: cancelled
        const char *text;
    } results[] = {{"sleep 300", nullptr, nullptr},
                   {"exit 0", "Success", "Clipmoor was successfully updated"},
                   {"exit 1", "ERROR", "Unable to update. Please contact support"}};
    auto *waiting = window->findChild<QLabel *>(QStringLiteral("label_Waiting"));
    auto *cancel = window->findChild<QPushButton *>(QStringLiteral("btnCancelUpdate"));
    QVERIFY(waiting && cancel);
    // The window's own update at its start has ended before the scripts below, which it
    // would read, are set.
    const auto detachedUpdate = [this]() -> qint64 {
        for (qint64 pid : stage.runs()) {
            if (stage.parentOf(pid) != QCoreApplication::applicationPid() &&
                stage.arguments(pid) == QStringList{QStringLiteral("--update")})
                return pid;
        }
        return 0;
    };
    QTRY_VERIFY(detachedUpdate() > 0);
    QTRY_VERIFY(!processRunning(detachedUpdate()));
    int runs = attachedUpdates();
    closer->seen.clear();
    for (const auto &result : results) {
        stage.setScript(QLatin1String(result.script));
        QElapsedTimer clock;
        clock.start();
        emit PluginManagerHelper::updaterPlugin().get()->updateDone();
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->pageEmpty);
        QVERIFY(waiting->isVisible() && cancel->isVisible());
        QCOMPARE(waiting->text(),
                 QStringLiteral("Waiting for the release servers to send the current yt-dlp and "
                                "Deno. On a slow connection this can take some minutes."));
        if (!result.title) {
            QTRY_COMPARE(attachedUpdates(), runs + 1);
            const qint64 update = stage.runs().last();
            QVERIFY(processRunning(update));
            window->activateWindow();
            QTRY_VERIFY(cancel->hasFocus());
            QTest::keyClick(cancel, Qt::Key_Space);
            QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
            QTRY_VERIFY(!processRunning(update));
            QVERIFY(closer->seen.isEmpty());
            QVERIFY(!waiting->isVisibleTo(window.get()));
            ++runs;
            continue;
        }
        // Only this update's box: the cancelled one, which ended before, showed none.
        QTRY_VERIFY(!closer->seen.isEmpty());
        QVERIFY(clock.elapsed() >= 333);
        QCOMPARE(closer->seen.at(0).title, QLatin1String(result.title));
        QCOMPARE(closer->seen.at(0).text, QLatin1String(result.text));
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
        // One finished check, one tool update: the signal was connected once. A second
        // connection would have started its run together with this one.
        QCOMPARE(attachedUpdates(), ++runs);
        QCOMPARE(closer->seen.size(), 1);
        closer->seen.clear();
    }

    // The address page's back button now leads to where the update began.
    ui->stackedWidget->setCurrentWidget(ui->page_URL);
    QTest::mouseClick(ui->btn_Back_from_Process, Qt::LeftButton);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Formats);
}

void TestNavigation::pluginEntriesWithoutPlugins()
{
    QAction *logging = menuEntry(QStringLiteral("Logging enabled"));
    QVERIFY(logging->isCheckable());
    QVERIFY(!logging->isChecked());
    logging->trigger();
    QVERIFY(!logging->isChecked());

    menuEntry(QStringLiteral("Show UUID"))->trigger();
    QCOMPARE(closer->seen.size(), 0);

    menuEntry(QStringLiteral("About"))->trigger();
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).title, QStringLiteral("Clipmoor"));
    QCOMPARE(closer->seen.at(0).text, QStringLiteral("Clipmoor version: 2.0.023"));
}

void TestNavigation::addressIntake_data()
{
    // "clipboard", "activation", "text", "links", or "keys" for the user's typing
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("typed");  // already in the field
    QTest::addColumn<QString>("field");  // afterwards, selected when it changed
    QTest::addColumn<bool>("prepareOn"); // else turned off in the menu, then a restart

    const QString address = QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0");
    QTest::newRow("clipboard address") << "clipboard" << address << QString() << address << true;
    QTest::newRow("clipboard with blanks")
        << "clipboard" << QStringLiteral("  %1\n").arg(address) << QString() << address << true;
    QTest::newRow("clipboard other text")
        << "clipboard" << QStringLiteral("https://example.com/watch?v=x") << QString() << QString()
        << true;
    QTest::newRow("clipboard on return to the window")
        << "activation" << address << QString() << address << true;
    QTest::newRow("clipboard, field not empty")
        << "clipboard" << address << QStringLiteral("typed") << QStringLiteral("typed") << true;
    QTest::newRow("dropped text") << "text" << address << QStringLiteral("typed") << address
                                  << true;
    QTest::newRow("dropped link") << "links" << QStringLiteral("https://youtu.be/abc123XYZ_0")
                                  << QString() << QStringLiteral("https://youtu.be/abc123XYZ_0")
                                  << true;
    QTest::newRow("dropped other link")
        << "links" << QStringLiteral("https://example.com/") << QStringLiteral("typed")
        << QStringLiteral("typed") << true;
    QTest::newRow("typed address") << "keys" << address << QString() << address << true;
    QTest::newRow("clipboard address, preparing off")
        << "clipboard" << address << QString() << address << false;
    QTest::newRow("dropped link, preparing off")
        << "links" << address << QString() << address << false;
}

void TestNavigation::addressIntake()
{
    QFETCH(QString, source);
    QFETCH(QString, offered);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(bool, prepareOn);

    if (!prepareOn) {
        QAction *prepare = menuEntry(QStringLiteral("Prepare Copied Links"));
        QVERIFY(prepare->isChecked());
        prepare->trigger();
        createWindow();
        QVERIFY(!menuEntry(QStringLiteral("Prepare Copied Links"))->isChecked());
    }
    auto data = std::make_unique<QMimeData>();
    ui->editURL->setText(typed);
    if (source == QLatin1String("keys")) {
        QTest::keyClicks(ui->editURL, offered);
    } else if (source == QLatin1String("clipboard")) {
        QGuiApplication::clipboard()->setText(offered);
        // The address page shown anew, as after "Start Over".
        ui->stackedWidget->setCurrentWidget(ui->page_Formats);
        QTest::mouseClick(ui->btn_Back_from_Formats, Qt::LeftButton);
    } else if (source == QLatin1String("activation")) {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_VERIFY(!window->isActiveWindow());
        QGuiApplication::clipboard()->setText(offered);
        QCOMPARE(ui->editURL->text(), typed);
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
    } else {
        if (source == QLatin1String("links"))
            data->setUrls({QUrl(offered)});
        else
            data->setText(offered);
        QCOMPARE(drop(window.get(), data.get()), field != typed);
    }
    QCOMPARE(ui->editURL->text(), field);
    const bool taken = source != QLatin1String("keys") && field != typed && !field.isEmpty();
    QCOMPARE(ui->editURL->hasSelectedText(), taken);
    if (ui->editURL->hasSelectedText())
        QCOMPARE(ui->editURL->selectedText(), field);
    // A taken address is prepared by one quiet metadata run; nothing else starts or shows.
    const int prepared = taken && prepareOn ? 1 : 0;
    if (prepared) {
        QTRY_COMPARE(runsOf(QStringLiteral("--get-title")).size(), 1);
        QTRY_VERIFY(!processRunning(runsOf(QStringLiteral("--get-title")).at(0)));
    }
    waitForLaterRun();
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_URL);
    QCOMPARE(requestRuns(), prepared + 1);
    QCOMPARE(closer->seen.size(), 0);
    QGuiApplication::clipboard()->clear();

    // Off the address page nothing is taken.
    if (source == QLatin1String("text") || source == QLatin1String("links")) {
        ui->editURL->clear();
        ui->stackedWidget->setCurrentWidget(ui->page_Formats);
        QVERIFY(!drop(window.get(), data.get()));
        QVERIFY(ui->editURL->text().isEmpty());
    }
}

void TestNavigation::notifications_data()
{
    QTest::addColumn<bool>("service");
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("code");        // 0: the download finished
    QTest::addColumn<QString>("summary"); // empty: nothing shown
    QTest::addColumn<bool>("markup");     // the service reads markup in the body

    QTest::newRow("finished elsewhere")
        << true << false << 0 << QStringLiteral("Video Successfully Downloaded") << true;
    QTest::newRow("failed elsewhere")
        << true << false << int(Clipmoor::VideoFailed) << QStringLiteral("Download failed") << true;
    QTest::newRow("crashed elsewhere") << true << false << int(Clipmoor::VideoCrashed)
                                       << QStringLiteral("Download failed") << true;
    QTest::newRow("tool not started for the download")
        << true << false << int(Clipmoor::ToolNotStarted) << QStringLiteral("Download failed")
        << true;
    QTest::newRow("stopped by the user")
        << true << false << int(Clipmoor::VideoStopped) << QString() << true;
    QTest::newRow("service without markup")
        << true << false << 0 << QStringLiteral("Video Successfully Downloaded") << false;
    QTest::newRow("window active") << true << true << 0 << QString() << true;
    QTest::newRow("no notification service") << false << false << 0 << QString() << true;
}

void TestNavigation::notifications()
{
    QFETCH(bool, service);
    QFETCH(bool, active);
    QFETCH(int, code);
    QFETCH(QString, summary);
    QFETCH(bool, markup);

    std::unique_ptr<NotificationService> desktop;
    if (service) {
        desktop = std::make_unique<NotificationService>();
        QVERIFY(desktop->registered());
        if (markup)
            desktop->capabilities.append(QStringLiteral("body-markup"));
    }
    QWidget elsewhere;
    if (active) {
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
    } else {
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_VERIFY(!window->isActiveWindow());
    }

    session.video.title = QStringLiteral("Clip <1> & 2");
    ui->stackedWidget->setCurrentWidget(ui->page_Download);
    if (code == 0)
        emit engine.haveVideo(session.video);
    else
        emit engine.somethingWrong(Clipmoor::Failure{Clipmoor::errorType(code), {}, {}});
    syncWithBus();

    if (!service) {
        QVERIFY(closer->seen.isEmpty());
        return;
    }
    if (summary.isEmpty()) {
        waitForNotificationService();
        QCOMPARE(desktop->shown.size(), 0);
        return;
    }
    QTRY_COMPARE(desktop->shown.size(), 1);
    const NotificationService::Shown shown = desktop->shown.at(0);
    QCOMPARE(shown.appName, QStringLiteral("Clipmoor"));
    QCOMPARE(shown.summary, summary);
    QCOMPARE(shown.body,
             markup ? QStringLiteral("Clip &lt;1&gt; &amp; 2") : QStringLiteral("Clip <1> & 2"));
    QCOMPARE(shown.hints.value(QStringLiteral("desktop-entry")).toString(),
             QStringLiteral("com.quorvel.Clipmoor"));
    if (code != 0) {
        QVERIFY(shown.actions.isEmpty());
        return;
    }

    // The notification's action opens the folder the video went to.
    QCOMPARE(shown.actions,
             (QStringList{QStringLiteral("open-folder"), QStringLiteral("Open Folder")}));
    FolderOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    desktop->invokeAction(shown.id + 1, QStringLiteral("open-folder")); // another program's
    desktop->invokeAction(shown.id, QStringLiteral("open-folder"));
    QTRY_COMPARE(opener.opened.size(), 1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opener.opened.at(0), QUrl::fromLocalFile(outputDir()));
}

void TestNavigation::downloadFolderChoice_data()
{
    QTest::addColumn<QString>("fate"); // of the chosen folder before the download
    QTest::newRow("kept across a restart") << QString();
    QTest::newRow("vanished: the default instead") << QStringLiteral("removed");
    QTest::newRow("a file in its place: the default instead") << QStringLiteral("file");
}

void TestNavigation::downloadFolderChoice()
{
    QFETCH(QString, fate);
    const QString chosen = home.path() + QStringLiteral("/Chosen Videos");
    QVERIFY(QDir().mkpath(chosen));
    closer->onDialog = [&chosen](QDialog *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            files->setDirectory(chosen);
            static_cast<QDialog *>(files)->accept();
        }
    };
    menuEntry(QStringLiteral("Choose Download Folder…"))->trigger();
    QTRY_COMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen.at(0).kind, QStringLiteral("QFileDialog"));
    closer->onDialog = nullptr;
    session.settings->sync();
    const QSettings file(session.settings->fileName(), QSettings::IniFormat);
    QCOMPARE(file.value(QLatin1String(downloadFolderKey)).toString(), chosen);

    createWindow();
    if (!fate.isEmpty()) {
        QVERIFY(QDir(chosen).removeRecursively());
        if (fate == QLatin1String("file")) {
            QFile blocker(chosen);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
    }
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    ui->tableView->doubleClicked(ui->tableView->model()->index(0, FormatTableModel::TypeColumn));
    QTRY_VERIFY(ui->label_DL_OK->isVisible());
    const QString used = fate.isEmpty() ? chosen : outputDir();
    const QStringList arguments = stage.arguments(runsOf(QStringLiteral("--no-warnings")).last());
    QCOMPARE(arguments.value(arguments.indexOf(QStringLiteral("--path")) + 1), used);
    // Falling back is no failure, but the user is told.
    QTRY_COMPARE(closer->seen.size(), fate.isEmpty() ? 1 : 2);
    if (!fate.isEmpty()) {
        QCOMPARE(closer->seen.at(1).title, QStringLiteral("WARNING"));
        QCOMPARE(closer->seen.at(1).text,
                 QStringLiteral("The download folder %1 is gone or cannot be written. This "
                                "download goes to %2.")
                     .arg(chosen, outputDir()));
    }
    FolderOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    QTest::mouseClick(ui->btnOpenFolder, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opener.opened, QList<QUrl>{QUrl::fromLocalFile(used)});
    QFile::remove(chosen);
    QDir(chosen).removeRecursively();
}

void TestNavigation::cookiesChoice()
{
    const auto entries = [this] {
        QStringList texts;
        for (QAction *entry : menuEntry(QStringLiteral("Use Cookies From"))->menu()->actions())
            texts.append(entry->text() + (entry->isChecked() ? QStringLiteral("*") : QString()));
        return texts;
    };
    QCOMPARE(entries(), (QStringList{QStringLiteral("None*"), QStringLiteral("Firefox"),
                                     QStringLiteral("Chromium"), QStringLiteral("Chrome"),
                                     QStringLiteral("Brave"), QStringLiteral("Edge"),
                                     QStringLiteral("Opera"), QStringLiteral("Vivaldi")}));
    const QStringList plain = {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                               QStringLiteral("--no-warnings"), QStringLiteral("abc")};

    menuEntry(QStringLiteral("Firefox"))->trigger();
    QCOMPARE(session.settings->value(QLatin1String(cookiesBrowserKey)).toString(),
             QStringLiteral("firefox"));
    createWindow();
    QCOMPARE(entries().filter(QStringLiteral("*")), QStringList{QStringLiteral("Firefox*")});
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    const QStringList withCookies =
        plain.mid(0, 3) + QStringList{QStringLiteral("--cookies-from-browser"),
                                      QStringLiteral("firefox"), QStringLiteral("abc")};
    QCOMPARE(stage.arguments(runsOf(QStringLiteral("--get-title")).last()), withCookies);

    // Embedding is off until chosen, and stays chosen.
    QAction *embed = menuEntry(QStringLiteral("Embed Title, Chapters and Cover"));
    QVERIFY(embed->isCheckable() && !embed->isChecked());
    embed->trigger();
    QCOMPARE(session.settings->value(QLatin1String(embedKey)).toBool(), true);
    createWindow();
    QVERIFY(menuEntry(QStringLiteral("Embed Title, Chapters and Cover"))->isChecked());
    menuEntry(QStringLiteral("Embed Title, Chapters and Cover"))->trigger();
    QVERIFY(!session.settings->contains(QLatin1String(embedKey)));

    menuEntry(QStringLiteral("None"))->trigger();
    QVERIFY(!session.settings->contains(QLatin1String(cookiesBrowserKey)));
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    QCOMPARE(stage.arguments(runsOf(QStringLiteral("--get-title")).last()), plain);
}

void TestNavigation::partCheck_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("duration"); // 0: unknown
    QTest::addColumn<int>("from");     // -1: no part
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("problem");
    const QString startForm =
        QStringLiteral("Type the start as m:ss or h:mm:ss, for example 1:05.");
    const QString endForm = QStringLiteral("Type the end as m:ss or h:mm:ss, for example 2:30.");
    QTest::newRow("m:ss") << "1:05"
                          << " 2:10 " << 213 << 65 << 130 << QString();
    QTest::newRow("h:mm:ss") << "0:00:10"
                             << "1:00:00" << 7200 << 10 << 3600 << QString();
    QTest::newRow("no start: from the beginning")
        << QString() << "0:30" << 213 << 0 << 30 << QString();
    QTest::newRow("no end: to the end") << "1:00" << QString() << 213 << 60 << 213 << QString();
    QTest::newRow("all of it is no part") << "0:00"
                                          << "3:33" << 213 << -1 << -1 << QString();
    QTest::newRow("unknown length, any end") << "0:10"
                                             << "99:00" << 0 << 10 << 5940 << QString();
    QTest::newRow("letters") << "1:5x"
                             << "2:00" << 213 << -1 << -1 << startForm;
    QTest::newRow("sixty seconds") << "1:60"
                                   << "2:00" << 213 << -1 << -1 << startForm;
    QTest::newRow("sixty minutes") << "0:00"
                                   << "1:60:00" << 7200 << -1 << -1 << endForm;
    QTest::newRow("unknown length, no end") << "0:10" << QString() << 0 << -1 << -1 << endForm;
    QTest::newRow("end before start")
        << "2:00"
        << "1:00" << 213 << -1 << -1 << QStringLiteral("The end must come after the start.");
    QTest::newRow("past the end") << "1:00"
                                  << "3:34" << 213 << -1 << -1
                                  << QStringLiteral("The video is only 3:33 long.");
    QTest::newRow("past the end of an hour-long video")
        << "1:00"
        << "2:00:00" << 3723 << -1 << -1 << QStringLiteral("The video is only 1:02:03 long.");
}

void TestNavigation::partCheck()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, duration);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, problem);
    const PartDialog::Check checked = PartDialog::check(start, end, duration);
    QCOMPARE(checked.problem, problem);
    QCOMPARE(checked.part.has_value(), from >= 0);
    if (checked.part)
        QCOMPARE(*checked.part, std::make_pair(from, to));
}

void TestNavigation::formatPageChoices_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("offered"); // the user's own language first, then by name
    QTest::addColumn<QString>("part");        // the chosen part's name for a screen reader
    QTest::newRow("English") << "en"
                             << QStringList{"None", "English", "French", "German",
                                            "Japanese (automatic)"}
                             << "Part to download";
    QTest::newRow("German") << "de"
                            << QStringList{"Keine", "Deutsch", "Englisch", "Französisch",
                                           "Japanisch (automatisch)"}
                            << "Herunterzuladender Ausschnitt";
    QTest::newRow("French") << "fr"
                            << QStringList{"Aucun", "Français", "Allemand", "Anglais",
                                           "Japonais (automatiques)"}
                            << "Extrait à télécharger";
}

// The subtitles, the part and MP3, chosen with the keyboard, reach the downloads.
void TestNavigation::formatPageChoices()
{
    QFETCH(QString, language);
    QFETCH(QStringList, offered);
    QFETCH(QString, part);
    QFile subtitles(stage.file(QStringLiteral("subtitles.txt")));
    QVERIFY(subtitles.open(QIODevice::WriteOnly));
    subtitles.write("{\"fr\":[{}],\"de\":[{}],\"en\":[{}]}\n{\"ja\":[{}],\"de\":[{}]}\n");
    subtitles.close();
    QFile listing(stage.file(QStringLiteral("listing.txt")));
    QVERIFY(listing.open(QIODevice::Append));
    listing.write("140 m4a audio only | 3.00MiB audio only\n");
    listing.close();
    speak(language);
    createWindow();
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    auto *combo = window->findChild<QComboBox *>(QStringLiteral("comboSubtitles"));
    QTRY_VERIFY(combo->isVisible());
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    QCOMPARE(shown, offered);
    QCOMPARE(combo->currentIndex(), 0);
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(session.settings->value(QLatin1String(subtitlesKey)).toString(), language);

    // The part dialog tells what is wrong and stays until the times make sense.
    auto *partButton = window->findChild<QPushButton *>(QStringLiteral("btnPart"));
    auto *mp3 = window->findChild<QPushButton *>(QStringLiteral("btnMp3"));
    for (QWidget *control : {static_cast<QWidget *>(combo), static_cast<QWidget *>(partButton),
                             static_cast<QWidget *>(mp3)})
        QVERIFY2(!control->accessibleName().isEmpty() || !control->toolTip().isEmpty(),
                 qPrintable(control->objectName()));
    QStringList problems;
    closer->onDialog = [&problems](QDialog *dialog) {
        auto *start = dialog->findChild<QLineEdit *>(QStringLiteral("editPartStart"));
        auto *end = dialog->findChild<QLineEdit *>(QStringLiteral("editPartEnd"));
        auto *problem = dialog->findChild<QLabel *>(QStringLiteral("labelPartProblem"));
        if (!start || !end || !problem)
            return;
        for (const QString &typed : {QStringLiteral("3:00"), QStringLiteral("2:10")}) {
            start->clear();
            end->clear();
            QTest::keyClicks(start, QStringLiteral("1:05"));
            QTest::keyClicks(end, typed);
            QTest::keyClick(end, Qt::Key_Return);
            if (problem->isVisible())
                problems.append(problem->text());
        }
    };
    session.video.duration = QTime(0, 2, 30);
    partButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(partButton, Qt::Key_Space);
    QTRY_COMPARE(closer->seen.size(), 1);
    closer->onDialog = nullptr;
    QCOMPARE(problems.size(), 1);
    QVERIFY(problems.at(0).contains(QStringLiteral("2:30")));
    auto *partLabel = window->findChild<QLabel *>(QStringLiteral("labelPart"));
    QTRY_VERIFY(partLabel->isVisible());
    QCOMPARE(partLabel->text(), QStringLiteral("1:05 – 2:10"));
    QCOMPARE(partLabel->accessibleName(), part);

    const QString download = QStringLiteral("--no-warnings");
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    ui->btn_Back_from_Formats->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(ui->btn_Back_from_Formats, Qt::Key_Tab);
    QTest::keyClick(ui->tableView, Qt::Key_Return);
    QTRY_COMPARE(runsOf(download).size(), 1);
    const QStringList video = stage.arguments(runsOf(download).last());
    QVERIFY(
        video.join(QLatin1Char(' '))
            .contains(
                QStringLiteral(
                    "--sub-langs %1 --convert-subs srt --embed-subs --download-sections *65-130")
                    .arg(language)));
    QTRY_VERIFY(ui->btn_Back_Last->isVisible());
    QTest::mouseClick(ui->btn_Back_Last, Qt::LeftButton);
    mp3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(mp3, Qt::Key_Space);
    QTRY_COMPARE(runsOf(download).size(), 2);
    const QStringList sound = stage.arguments(runsOf(download).last());
    QVERIFY(sound.join(QLatin1Char(' '))
                .contains(QStringLiteral(
                    "--download-sections *65-130 --extract-audio --audio-format mp3")));
    QVERIFY(!sound.contains(QStringLiteral("--sub-langs")));

    // A new video starts whole and shows the subtitles it offers.
    QTRY_VERIFY(ui->btnStartOver->isVisible());
    QTest::mouseClick(ui->btnStartOver, Qt::LeftButton);
    QVERIFY(QFile::remove(subtitles.fileName()));
    enterAddress(QStringLiteral("https://youtu.be/def"));
    waitForTable();
    QVERIFY(!partLabel->isVisible() && !combo->isVisible());
    QVERIFY(!session.video.part);
    speak(QStringLiteral("en"));
}

void TestNavigation::thumbnail_data()
{
    QImage picture(320, 180, QImage::Format_RGB32);
    picture.fill(Qt::darkYellow);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    QBuffer webp;
    webp.open(QIODevice::WriteOnly);
    picture.save(&webp, "WEBP");

    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("shown");
    QTest::newRow("shown beside the title") << 200 << png.data() << true;
    QTest::newRow("WebP, as the site serves them") << 200 << webp.data() << true;
    QTest::newRow("404: left out") << 404 << QByteArray("gone") << false;
    QTest::newRow("too large: left out")
        << 200 << png.data() + QByteArray(3 * 1024 * 1024, '\0') << false;
    QTest::newRow("not a picture: left out") << 200 << QByteArray("<html></html>") << false;
}

void TestNavigation::thumbnail()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, shown);
    HttpServer server;
    QVERIFY(server.listen());
    server.route("/t.png", {status, "image/png", body});
    QFile address(stage.file(QStringLiteral("thumbnail.txt")));
    QVERIFY(address.open(QIODevice::WriteOnly));
    address.write(server.url("/t.png") + '\n');
    address.close();

    loggedLines.clear();
    earlierHandler = qInstallMessageHandler(keepLoggedLine);
    const auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(earlierHandler); });
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    waitForTable();
    auto *picture = window->findChild<QLabel *>(QStringLiteral("labelThumbnail"));
    QTRY_COMPARE(server.requestedPaths().size(), 1);
    if (shown) {
        QTRY_VERIFY(picture->isVisible());
        QCOMPARE(picture->pixmap().height(), scaledLength(72, 100));
        QVERIFY(picture->geometry().right() < ui->labelTitle->geometry().left());
    } else {
        // The window says in its log that it leaves the picture out.
        QTRY_VERIFY(!loggedLines.filter(QStringLiteral("No thumbnail:")).isEmpty());
        QVERIFY(!picture->isVisible());
    }
    // Fetched once; with or without it the table shows the rows that fit.
    QCOMPARE(server.requestedPaths(), QList<QByteArray>{"/t.png"});
    QCOMPARE(closer->seen.size(), 0);
    int rows = 0;
    while (rows < ui->tableView->model()->rowCount() && !ui->tableView->isRowHidden(rows))
        ++rows;
    QCOMPARE(rows,
             visibleRowCount(ui->tableView->viewport()->height(), ui->tableView->rowHeight(0)));

    // A new address starts without the picture of the last one.
    QTest::mouseClick(ui->btn_Back_from_Formats, Qt::LeftButton);
    QFile::remove(address.fileName());
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    QVERIFY(!picture->isVisible());
}

CLIPMOOR_TEST_MAIN(TestNavigation)
// What the launcher tries is told on the page the user is on while the bar runs; a site
// that wants a signed-in browser gets one button per browser with a profile here, and one
// click tries again with that browser's cookies.
void TestNavigation::recoveryShownThenCookiesOffered()
{
    const QString profile = home.path() + QStringLiteral("/.mozilla/firefox/test.default");
    QVERIFY(QDir().mkpath(profile));
    QFile database(profile + QStringLiteral("/cookies.sqlite"));
    QVERIFY(database.open(QIODevice::WriteOnly));
    database.close();
    const QString go = stage.file(QStringLiteral("go"));
    QFile::remove(go);
    const QString wait = QStringLiteral("while [ ! -e \"$here/go\" ]; do sleep 0.05; done; ");
    const QString update = QString::fromUtf8(
        ToolFailure::noteLine({ToolFailure::Step::Updated, QStringLiteral("2026.09.01")}));
    const QString fresh =
        QString::fromUtf8(ToolFailure::noteLine({ToolFailure::Step::FreshExtraction, {}}));
    const QString bot = QStringLiteral("ERROR: [youtube] abc: Sign in to confirm you’re not a bot");
    stage.setScript(QStringLiteral("case \"$*\" in\n"
                                   "*--cookies-from-browser\\ firefox*) ;;\n"
                                   "--get-title*) echo '%1' >&2; %2echo '%3' >&2; exit 1 ;;\n"
                                   "esac\n")
                        .arg(update, wait, bot) +
                    answering(QStringLiteral("Clip"), QStringLiteral("5"),
                              QStringLiteral("echo '%1' >&2; %2exit 0").arg(fresh, wait)));
    closer->onDialog = [](QDialog *dialog) {
        for (QAbstractButton *button : qobject_cast<QMessageBox *>(dialog)->buttons()) {
            if (button->text() == QLatin1String("Try Again with Firefox Cookies"))
                button->click();
        }
    };

    enterAddress(QStringLiteral("https://youtu.be/abc"));
    QTRY_VERIFY(window->findChild<QLabel *>(QStringLiteral("labelStep"))->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("labelStep"))->text(),
             QStringLiteral("Updating yt-dlp to 2026.09.01…"));
    QVERIFY(ui->progressBar->isVisible());
    QVERIFY(QFile(go).open(QIODevice::WriteOnly));
    QTRY_COMPARE(closer->seen.size(), 1);
    QVERIFY2(closer->seen.at(0).text.contains(
                 QLatin1String("yt-dlp 2026.09.01 was installed and the download tried again")),
             qPrintable(closer->seen.at(0).text));
    waitForTable();
    QCOMPARE(session.settings->value(QLatin1String(cookiesBrowserKey)).toString(),
             QStringLiteral("firefox"));
    const QList<qint64> metadata = runsOf(QStringLiteral("--get-title"));
    QCOMPARE(metadata.size(), 2);
    QVERIFY(stage.arguments(metadata.last()).contains(QStringLiteral("--cookies-from-browser")));
    closer->onDialog = nullptr;

    // On the download page, under the bar.
    QFile::remove(go);
    ui->tableView->doubleClicked(ui->tableView->model()->index(0, FormatTableModel::TypeColumn));
    QTRY_COMPARE(ui->label_DL_Details->text(),
                 QStringLiteral("The site refused the stored link; asking again…"));
    QVERIFY(ui->progressBarDL->isVisible());
    QVERIFY(QFile(go).open(QIODevice::WriteOnly));
    QTRY_VERIFY(ui->label_DL_OK->isVisible());

    // With cookies chosen, the box says whose sign-in was refused, and offers no browser.
    closer->seen.clear();
    stage.setScript(QStringLiteral("echo '%1' >&2; exit 1").arg(bot));
    enterAddress(QStringLiteral("https://youtu.be/abc"));
    QTRY_COMPARE(closer->seen.size(), 1);
    QVERIFY2(
        closer->seen.at(0).text.contains(QLatin1String("did not accept the sign-in of Firefox")),
        qPrintable(closer->seen.at(0).text));
    QCOMPARE(runsOf(QStringLiteral("--get-title")).size(), 3);
    QDir(home.path() + QStringLiteral("/.mozilla")).removeRecursively();
}

#include "tst_navigation.moc"
