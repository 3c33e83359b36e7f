// The update plug-in as the program loads it: its identity, and the program's calls and
// the answers it gets through the interface alone.
#include "plugins/interfaces/updateinterface.h"
#include "tests/support/httpserver.h"
#include "tests/support/modalcloser.h"
#include "tests/support/testmain.h"

#include <QPluginLoader>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {
const QByteArray manifestPath = "/files/upd/clm-updater-linux.json";
} // namespace

class TestUpdaterPlugin : public QObject {
    Q_OBJECT

public:
    explicit TestUpdaterPlugin(const TestHome &) {}

private slots:
    void initTestCase();
    void identity();
    void manualCheckAnswers();
    void cleanupTestCase() { updater->releaseGui(); }

private:
    QWindow *updaterWindow() const;

    HttpServer server;
    QPluginLoader loader{QStringLiteral(CLIPMOOR_BIN_DIR "/Updater.so")};
    QObject *plugin = nullptr;
    UpdateInterface *updater = nullptr;
};

void TestUpdaterPlugin::initTestCase()
{
    qputenv("QT_QUICK_BACKEND", "software");
    QVERIFY(server.listen());
    qputenv("CLIPMOOR_UPDATE_SERVER", server.url(QByteArray()));
    plugin = loader.instance();
    QVERIFY2(plugin, qPrintable(loader.errorString()));
    updater = qobject_cast<UpdateInterface *>(plugin);
    QVERIFY(updater);
}

QWindow *TestUpdaterPlugin::updaterWindow() const
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->objectName() == QLatin1String("updaterWindow"))
            return window;
    }
    return nullptr;
}

void TestUpdaterPlugin::identity()
{
    QCOMPARE(loader.metaData().value(QLatin1String("IID")).toString(),
             QStringLiteral("corvane.AppUpdaterInterface"));
    QCOMPARE(loader.metaData().value(QLatin1String("className")).toString(),
             QStringLiteral("Updater"));
    QVERIFY(loader.metaData().value(QLatin1String("MetaData")).toObject().isEmpty());
    QVERIFY(plugin->inherits("Updater"));
    QCOMPARE(plugin->qt_metacast("corvane.AppUpdaterInterface"), static_cast<void *>(updater));
    QCOMPARE(plugin->qt_metacast("UpdateInterface"), static_cast<void *>(updater));
    QCOMPARE(loader.instance(), plugin);
}

// A failed check answers updateError() after its dialog; a current version shown and
// closed by the user answers updateDone() once.
void TestUpdaterPlugin::manualCheckAnswers()
{
    ModalCloser closer;
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    QSignalSpy errors(updater, &UpdateInterface::updateError);
    server.route(manifestPath,
                 {200, "application/json", "{\"enabled\":{\"all\":true},\"lst\":{\"ver\":2023}}"});
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QWindow *window = updaterWindow();
    QVERIFY(window && window->isVisible());
    QTRY_VERIFY(
        window->findChild<QObject *>(QStringLiteral("currentView"))->property("visible").toBool());
    window->close();
    QCOMPARE(done.size(), 1);

    server.route(manifestPath, {404, "text/plain", "gone"});
    updater->manualCheck(2023, QStringLiteral("2.0.023"));
    QVERIFY(errors.wait());
    QCOMPARE(closer.seen.size(), 1);
    QCOMPARE(closer.seen.at(0).title, QStringLiteral("UPD. ERROR: JSON download error"));
    QCOMPARE(done.size(), 1);
    QCOMPARE(errors.size(), 1);
    QVERIFY(!window->isVisible());
    updater->releaseGui();
    QVERIFY(!updaterWindow());
}

CLIPMOOR_TEST_MAIN(TestUpdaterPlugin)
#include "tst_updaterplugin.moc"
