// Takes the pictures of the README: the window on its pages during a real, offline
// download, and the updater window's three views. Run by scripts/screenshots.sh; a
// language and a scale may follow the folder ("de 145") to look at the window in them.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/formattablemodel.h"
#include "tests/support/language.h"
#include "tests/support/offlinesite.h"
#include "tests/support/testmain.h"
#include "ui/navigation.h"
#include "updater/updateflow.h"
#include "updater/windowcontroller.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QQuickWindow>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>

namespace {

QString outputFolder;

bool save(const QImage &image, const char *name)
{
    const QString path = QStringLiteral("%1/%2.png").arg(outputFolder, QLatin1String(name));
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

bool waitFor(const std::function<bool()> &condition, int ms = 60000)
{
    return QTest::qWaitFor(condition, ms);
}

} // namespace

int main(int argc, char **argv)
{
    TestHome home;
    QApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.023"));
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(outputFolder);

    if (argc > 2)
        speak(QString::fromLocal8Bit(argv[2]));
    SessionData session;
    if (argc > 3)
        session.settings->setValue(QStringLiteral("Scale/Val"), QByteArray(argv[3]));
    prepareOutputDir();
    OfflineSite site;
    if (!site.start(6, 120 * 1024) || !site.stage(home.dataDir())) {
        std::fprintf(stderr, "%s\n", qPrintable(site.error()));
        return 1;
    }

    Clipmoor engine(&session);
    Navigation window(&engine, &session);
    window.setWindowTitle(QStringLiteral("Clipmoor 2.0.023"));
    window.showMainWindow();
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("editURL"));
    auto *table = window.findChild<QTableView *>(QStringLiteral("tableView"));
    auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBarDL"));
    auto *done = window.findChild<QWidget *>(QStringLiteral("label_DL_OK"));
    edit->setText(QStringLiteral("https://www.youtube.com/watch?v=abc123XYZ_0"));
    QTest::qWait(300);
    bool ok = save(window.grab().toImage(), "address");

    QTest::keyClick(edit, Qt::Key_Return);
    ok &= waitFor([&] { return table->model() && table->model()->rowCount() > 0; });
    QTest::qWait(300);
    ok &= save(window.grab().toImage(), "formats");

    QTest::mouseClick(
        table->viewport(), Qt::LeftButton, {},
        table->visualRect(table->model()->index(0, FormatTableModel::DownloadColumn)).center());
    ok &= waitFor([&] { return bar->maximum() == 100 && bar->value() >= 30; });
    ok &= save(window.grab().toImage(), "downloading");
    ok &= waitFor([&] { return done->isVisible(); });
    QTest::qWait(200);
    ok &= save(window.grab().toImage(), "downloaded");

    // The updater window, as the manual check shows it.
    qputenv("CLIPMOOR_UPDATE_SERVER", site.server().url(QByteArray()));
    site.server().route("/files/upd/clm-updater-linux.json",
                        {200, "application/json",
                         "{\"enabled\":{\"all\":true},\"lst\":{\"ver\":2024,\"pth\":\"" +
                             site.server().url("/CLM.exe") + "\"}}"});
    UpdateFlow updater;
    updater.manualCheck(2023, QStringLiteral("2.0.023"));
    waitFor([&] { return updater.window()->updateState() == UpdaterState::UpdateYes; }, 5000);
    QQuickWindow *quick = updater.window()->window();
    if (!quick)
        return 1;
    const struct {
        UpdaterState::State state;
        const char *name;
    } views[] = {{UpdaterState::Progress, "updater-progress"},
                 {UpdaterState::UpdateYes, "updater-offer"},
                 {UpdaterState::UpdateNot, "updater-current"}};
    for (const auto &view : views) {
        updater.window()->setUpdateState(view.state);
        QTest::qWait(400);
        ok &= save(quick->grabWindow(), view.name);
    }
    // The offer as a distribution's package shows it.
    updater.setUpdatesByPackageManager(true);
    updater.window()->setUpdateState(UpdaterState::UpdateYes);
    QTest::qWait(400);
    ok &= save(quick->grabWindow(), "updater-offer-package");
    updater.releaseGui();
    return ok ? 0 : 1;
}
