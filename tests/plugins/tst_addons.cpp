// The three optional plug-ins shipped beside the program: logging, machine identifier
// and about box, loaded from the program's folder as the program loads them.
#include "plugins/interfaces/aboutappinterface.h"
#include "plugins/interfaces/logginginterface.h"
#include "plugins/interfaces/sysinfointerface.h"
#include "tests/support/language.h"
#include "tests/support/modalcloser.h"
#include "tests/support/testmain.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPluginLoader>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QUuid>

namespace {

QStringList earlier; // what the handler installed before logging saw

void earlierHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    earlier.append(message);
}

// The loader lives as long as the application, which deletes it.
template <typename T> T *load(const char *name)
{
    auto *loader =
        new QPluginLoader(QStringLiteral(CLIPMOOR_BIN_DIR "/%1.so").arg(QLatin1String(name)),
                          QCoreApplication::instance());
    return qobject_cast<T *>(loader->instance());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAddons : public QObject {
    Q_OBJECT

public:
    explicit TestAddons(const TestHome &) {}

private slots:
    void loggingCapturesWhileEnabled();
    void loggingFileIsRotated();
    void machineIdentifier_data();
    void machineIdentifier();
    void aboutBox_data();
    void aboutBox();

private:
    QTemporaryDir folder;
};

void TestAddons::loggingCapturesWhileEnabled()
{
    LoggingInterface *logging = load<LoggingInterface>("LoggingMessages");
    QVERIFY(logging);
    const QString log = folder.filePath(QStringLiteral("clipmoor.log"));
    qInstallMessageHandler(earlierHandler);

    logging->configure(folder.path(), QStringLiteral("settings.ini"));
    QVERIFY(!logging->isEnabled());
    qWarning("before");
    QVERIFY(!QFile::exists(log));

    logging->setEnabled(true);
    QVERIFY(logging->isEnabled());
    qWarning("captured %d", 1);
    qDebug("debug too");
    QVERIFY(readAll(log).contains("warning: captured 1\n"));
    QVERIFY(readAll(log).contains("debug: debug too\n"));
    // The handler that was there before still gets everything.
    QCOMPARE(earlier, (QStringList{QStringLiteral("before"), QStringLiteral("captured 1"),
                                   QStringLiteral("debug too")}));

    logging->setEnabled(false);
    qWarning("not captured");
    QVERIFY(!readAll(log).contains("not captured"));
    QCOMPARE(earlier.last(), QStringLiteral("not captured"));
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Logging/Enabled")).toBool(), false);

    // The switch is remembered for the next start.
    logging->setEnabled(true);
    logging->finish();
    qWarning("after finish");
    QVERIFY(!readAll(log).contains("after finish"));
    logging->configure(folder.path(), QStringLiteral("settings.ini"));
    QVERIFY(logging->isEnabled());
    qWarning("next start");
    QVERIFY(readAll(log).contains("next start"));
    logging->finish();
    qInstallMessageHandler(nullptr);
}

void TestAddons::loggingFileIsRotated()
{
    LoggingInterface *logging = load<LoggingInterface>("LoggingMessages");
    QTemporaryDir rotated;
    logging->configure(rotated.path(), QStringLiteral("settings.ini"));
    logging->setEnabled(true);
    qInstallMessageHandler(earlierHandler);
    logging->setEnabled(false);
    logging->setEnabled(true);
    const QString line(1000, QLatin1Char('x'));
    for (int i = 0; i < 2500; ++i)
        qInfo("%s", qPrintable(line));
    logging->finish();
    qInstallMessageHandler(nullptr);
    earlier.clear();

    const QString log = rotated.filePath(QStringLiteral("clipmoor.log"));
    QVERIFY(QFile::exists(log + QStringLiteral(".1")));
    QVERIFY(!QFile::exists(log + QStringLiteral(".2")));
    QVERIFY(QFileInfo(log).size() <= 1024 * 1024 + 2000);
    QVERIFY(QFileInfo(log + QStringLiteral(".1")).size() <= 1024 * 1024 + 2000);
}

void TestAddons::machineIdentifier_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("copy");
    QTest::newRow("English") << "en"
                             << "Machine identifier"
                             << "Copy";
    QTest::newRow("German") << "de"
                            << "Rechnerkennung"
                            << "Kopieren";
    QTest::newRow("French") << "fr"
                            << "Identifiant de la machine"
                            << "Copier";
}

void TestAddons::machineIdentifier()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, copy);
    speak(language);
    SysInfoInterface *sysInfo = load<SysInfoInterface>("SysInfo");
    QVERIFY(sysInfo);
    sysInfo->setAppInfo(QStringLiteral("2.0.023"), QStringLiteral("25.0826"), 0, 1);
    const QString uid = sysInfo->uid();
    QVERIFY(!QUuid::fromString(uid).isNull());
    QCOMPARE(sysInfo->uid(), uid);

    // The dialog offers the identifier for copying and stays open while copying.
    QString shown;
    QTimer poll; // until the dialog is up, however long that takes
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        shown = box->windowTitle() + QLatin1Char('\n') + box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == copy)
                button->click();
        }
        QVERIFY(box->isVisible());
        box->done(0);
    });
    poll.start();
    QApplication::clipboard()->clear();
    sysInfo->showUid();
    QTRY_VERIFY(shown.startsWith(title + QLatin1Char('\n')));
    QVERIFY(shown.contains(uid));
    QCOMPARE(QApplication::clipboard()->text(), uid);
    speak(QStringLiteral("en"));
}

void TestAddons::aboutBox_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("English") << "en"
                             << "About Clipmoor"
                             << QStringList{"Version 2.0.023", ", built 25.0826",
                                            "Machine identifier: 1234-abcd"};
    QTest::newRow("German") << "de"
                            << "\u00dcber Clipmoor"
                            << QStringList{"Version 2.0.023", ", erstellt am 25.0826",
                                           "Rechnerkennung: 1234-abcd"};
    QTest::newRow("French") << "fr"
                            << "\u00c0 propos de Clipmoor"
                            << QStringList{"Version 2.0.023", ", compil\u00e9e le 25.0826",
                                           "Identifiant de la machine\u00a0: 1234-abcd"};
}

void TestAddons::aboutBox()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QStringList, parts);
    speak(language);
    AboutAppInterface *about = load<AboutAppInterface>("About");
    QVERIFY(about);
    QApplication::setApplicationVersion(QStringLiteral("2.0.023"));
    const QString settingsFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(settingsFolder);
    QSettings(settingsFolder + QStringLiteral("/settings.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("Version/Date"), QStringLiteral("25.0826"));

    ModalCloser closer;
    about->showAbout(QStringLiteral("1234-abcd"), QStringLiteral("A <simple> downloader."));
    QTRY_COMPARE(closer.seen.size(), 1);
    QCOMPARE(closer.seen.at(0).title, title);
    const QString text = closer.seen.at(0).text;
    parts << QStringLiteral("<h3>Clipmoor</h3>") << QStringLiteral("A &lt;simple&gt; downloader.");
    for (const QString &part : std::as_const(parts))
        QVERIFY2(text.contains(part), qPrintable(text));

    // Without an identifier the box leaves its line out.
    about->showAbout(QString(), QStringLiteral("d"));
    QTRY_COMPARE(closer.seen.size(), 2);
    QVERIFY(!closer.seen.at(1).text.contains(QLatin1String("1234-abcd")));
    QVERIFY(!closer.seen.at(1).text.contains(parts.at(2).section(QLatin1Char(':'), 0, 0)));
    speak(QStringLiteral("en"));
}

CLIPMOOR_TEST_MAIN(TestAddons)
#include "tst_addons.moc"
