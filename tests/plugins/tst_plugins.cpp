// The plug-in loader: files beside the program, loaded once, checked by interface.
#include "plugins/pluginmanagerhelper.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList warnings;

void capture(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        warnings.append(message);
}

} // namespace

class TestPlugins : public QObject {
    Q_OBJECT

public:
    explicit TestPlugins(const TestHome &) {}

private slots:
    void init();
    void cleanup() { qInstallMessageHandler(nullptr); }
    void filePaths();
    void missingFileWarnsOnce();
    void onlyTheExactFileLoads();
    void otherInterfaceIsUnloaded();
    void loadIsNeverRetried();
    void updaterAnswersAndSignals();
};

void TestPlugins::init()
{
    warnings.clear();
    qInstallMessageHandler(capture);
}

void TestPlugins::filePaths()
{
    const QString dir = QCoreApplication::applicationDirPath();
    QCOMPARE(PluginManagerHelper::updaterPlugin().filePath(), dir + QStringLiteral("/Updater.so"));
    QCOMPARE(PluginManagerHelper::loggingPlugin().filePath(),
             dir + QStringLiteral("/LoggingMessages.so"));
    QCOMPARE(PluginManagerHelper::sysInfoPlugin().filePath(), dir + QStringLiteral("/SysInfo.so"));
    QCOMPARE(PluginManagerHelper::aboutPlugin().filePath(), dir + QStringLiteral("/About.so"));
}

void TestPlugins::missingFileWarnsOnce()
{
    PluginManagerHelper::PluginHandle<SysInfoInterface> &handle =
        PluginManagerHelper::sysInfoPlugin();
    QVERIFY(!handle.get());
    QVERIFY(!handle.get());
    QCOMPARE(warnings.size(), 1);
    const QString expected =
        QStringLiteral("QDebug PluginManagerHelper::Warning() [MGR] WARNING: \"%1\" load error: \"")
            .arg(handle.filePath());
    QVERIFY2(warnings.at(0).startsWith(expected), qPrintable(warnings.at(0)));
}

// With the named file missing, a file of a similar name is not taken instead.
void TestPlugins::onlyTheExactFileLoads()
{
    PluginManagerHelper::PluginHandle<UpdateInterface> handle(QStringLiteral("Nearby"));
    const QString similar =
        QCoreApplication::applicationDirPath() + QStringLiteral("/libNearby.so");
    QVERIFY(QFile::copy(PluginManagerHelper::updaterPlugin().filePath(), similar));
    UpdateInterface *loaded = handle.get();
    QFile::remove(similar);
    QVERIFY(!loaded);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).contains(QLatin1String("Nearby.so\" load error:")),
             qPrintable(warnings.at(0)));
}

void TestPlugins::otherInterfaceIsUnloaded()
{
    PluginManagerHelper::PluginHandle<LoggingInterface> handle(QStringLiteral("Updater"));
    QVERIFY(!handle.get());
    QCOMPARE(warnings,
             QStringList{
                 QStringLiteral(
                     "QDebug PluginManagerHelper::Warning() [MGR] WARNING: \"%1\" iface mismatch")
                     .arg(handle.filePath())});
    QVERIFY(!QPluginLoader(handle.filePath()).isLoaded());
    QVERIFY(!handle.get());
    QCOMPARE(warnings.size(), 1);
}

void TestPlugins::loadIsNeverRetried()
{
    PluginManagerHelper::PluginHandle<UpdateInterface> handle(QStringLiteral("Later"));
    QVERIFY(!handle.get());
    // The file appearing afterwards changes nothing for this run.
    QVERIFY(QFile::copy(PluginManagerHelper::updaterPlugin().filePath(), handle.filePath()));
    QVERIFY(!handle.get());
    QFile::remove(handle.filePath());
    QCOMPARE(warnings.size(), 1);
}

void TestPlugins::updaterAnswersAndSignals()
{
    UpdateInterface *updater = PluginManagerHelper::updaterPlugin().get();
    QVERIFY(updater);
    QVERIFY(warnings.isEmpty());
    QCOMPARE(qobject_cast<UpdateInterface *>(updater), updater);
    QVERIFY(updater->qt_metacast(UpdateInterface_iid));
    // A signal of the plug-in reaches a connection made here by pointer to member.
    QSignalSpy done(updater, &UpdateInterface::updateDone);
    QVERIFY(QMetaObject::invokeMethod(updater, "updateDone"));
    QCOMPARE(done.size(), 1);
    QCOMPARE(PluginManagerHelper::updaterPlugin().get(), updater);
}

CLIPMOOR_TEST_MAIN(TestPlugins)
#include "tst_plugins.moc"
