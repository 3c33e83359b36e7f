// The program as a user starts it: command line, exit codes, and what the first and
// later starts prepare in a fresh home.
#include "platform/taskkill.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QStringList log; // standard error, one message per line
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT

public:
    explicit TestShell(const TestHome &) {}

private slots:
    void init();
    void commandLine_data();
    void commandLine();
    void firstAndSecondStart();
    void installerCleanUp_data();
    void installerCleanUp();
    void outputFolderCannotBeMade();
    void settingsCannotBeWritten();
    void toolsCannotBeStaged();
    void endsWhenAskedBySignal_data();
    void endsWhenAskedBySignal();
    void windowsStopEnds_data();
    void windowsStopEnds();

private:
    QProcessEnvironment environment() const;
    Run start(const QStringList &arguments, bool display = true);
    QString dataDir() const
    {
        return home->path() + QStringLiteral("/.local/share/Quorvel/Clipmoor");
    }
    QString downloads() const { return home->path() + QStringLiteral("/Downloads"); }

    std::unique_ptr<QTemporaryDir> home;
};

void TestShell::init()
{
    home = std::make_unique<QTemporaryDir>();
    // Should anything run the yt-dlp on PATH, it meets a stand-in, never the network.
    const QString bin = home->filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QFile::copy(QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/fake-yt-dlp.sh"),
                        bin + QStringLiteral("/yt-dlp")));
}

QProcessEnvironment TestShell::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home->path());
    for (const char *name :
         {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_DIRS"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home->path());
    environment.insert(QStringLiteral("PATH"), home->filePath(QStringLiteral("bin")) +
                                                   QLatin1Char(':') +
                                                   environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.debug=true"));
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"), QStringLiteral("none"));
    environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"), QStringLiteral("none"));
    // The update plug-in would check the maker's server; nothing answers here.
    environment.insert(QStringLiteral("CLIPMOOR_UPDATE_SERVER"),
                       QStringLiteral("http://127.0.0.1:9"));
    return environment;
}

Run TestShell::start(const QStringList &arguments, bool display)
{
    QProcess program;
    QProcessEnvironment env = environment();
    if (!display) {
        // As on a server or in a package build: X11 asked for, but none there.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CLIPMOOR_BIN_DIR "/Clipmoor"), arguments);
    Run run;
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.log = QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n'));
    return run;
}

void TestShell::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");   // a line of standard output
    QTest::addColumn<QString>("error"); // a line of standard error
    QTest::addColumn<bool>("display");

    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                             << QStringLiteral("Clipmoor 2.0.023") << QString() << true;
    QTest::newRow("short version") << QStringList{QStringLiteral("-v")} << 0
                                   << QStringLiteral("Clipmoor 2.0.023") << QString() << true;
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                          << QStringLiteral(
                                 "  --update-as <version>  update this app as some version")
                          << QString() << true;
    QTest::newRow("help names uid")
        << QStringList{QStringLiteral("-h")} << 0
        << QStringLiteral("  --uid                  show UID") << QString() << true;
    QTest::newRow("update-as with an empty value shows the help")
        << QStringList{QStringLiteral("--update-as=")} << 0
        << QStringLiteral("  --uid                  show UID") << QString() << true;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 1 << QString()
                                    << QStringLiteral("Clipmoor: Unknown option 'bogus'.") << true;
    QTest::newRow("update-as without value")
        << QStringList{QStringLiteral("--update-as")} << 1 << QString()
        << QStringLiteral("Clipmoor: Missing value after '--update-as'.") << true;
    QTest::newRow("version without a display")
        << QStringList{QStringLiteral("--version")} << 0 << QStringLiteral("Clipmoor 2.0.023")
        << QString() << false;
    QTest::newRow("help without a display")
        << QStringList{QStringLiteral("--help")} << 0
        << QStringLiteral("  --update-as <version>  update this app as some version") << QString()
        << false;
    QTest::newRow("unknown option without a display")
        << QStringList{QStringLiteral("--bogus")} << 1 << QString()
        << QStringLiteral("Clipmoor: Unknown option 'bogus'.") << false;
}

void TestShell::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(bool, display);
    const Run run = start(arguments, display);
    QCOMPARE(run.exitCode, exitCode);
    if (!out.isEmpty())
        QVERIFY2(run.out.split(QLatin1Char('\n')).contains(out), qPrintable(run.out));
    if (!error.isEmpty())
        QVERIFY2(run.log.contains(error), qPrintable(run.log.join(QLatin1Char('\n'))));
}

void TestShell::firstAndSecondStart()
{
    const QString data = dataDir();
    const Run first = start({QStringLiteral("--version")});
    QCOMPARE(first.exitCode, 0);
    for (const QString &line :
         {QStringLiteral("OK: data dir ") + data,
          QStringLiteral("kestrel2 copy to: ") + data + QStringLiteral("/kestrel2"),
          QStringLiteral("ffmpeg copy to: ") + data + QStringLiteral("/ffmpeg"),
          QStringLiteral("OK: output dir ") + downloads() + QStringLiteral("/CLM")})
        QVERIFY2(first.log.contains(line), qPrintable(line));
    QVERIFY(first.log
                .filter(QRegularExpression(
                    QStringLiteral("^--> \\[\\d+\\] void checkAndSetupFiles\\(QSettings\\*\\) :$")))
                .size() == 1);
    QVERIFY(QFileInfo(downloads() + QStringLiteral("/CLM")).isDir());
    QVERIFY(QFileInfo(data + QStringLiteral("/kestrel2")).isExecutable());
    QVERIFY(QFileInfo(data + QStringLiteral("/ffmpeg")).isExecutable());
    // ffmpeg is linked, so that a system upgrade of its libraries cannot break it.
    QCOMPARE(QFileInfo(data + QStringLiteral("/ffmpeg")).symLinkTarget(),
             QStringLiteral(CLIPMOOR_BIN_DIR "/ffmpeg"));

    const QString ini =
        home->path() + QStringLiteral("/.local/share/Quorvel/Clipmoor/settings.ini");
    {
        QSettings settings(ini, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("Version/Num")).toString(),
                 QStringLiteral("2.0.023"));
        QCOMPARE(settings.value(QStringLiteral("Version/Date")).toString(),
                 QStringLiteral("25.0826"));
    }

    // A staged launcher that differs from the shipped one is refreshed, an old copy of
    // ffmpeg becomes a link, and what the launcher manages beside them is kept.
    // Unchanged keys are not rewritten.
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile::remove(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(data + QStringLiteral("/kestrel2"), "#!/bin/sh\n# older launcher\n");
    write(data + QStringLiteral("/ffmpeg"), "an old copy");
    QVERIFY(QDir().mkpath(data + QStringLiteral("/managed")));
    write(data + QStringLiteral("/managed/yt-dlp"), "managed build");
    const QDateTime written = QFileInfo(ini).lastModified();

    const Run second = start({QStringLiteral("--version")});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(second.log.filter(QStringLiteral("copy to:")),
             (QStringList{QStringLiteral("kestrel2 copy to: ") + data + QStringLiteral("/kestrel2"),
                          QStringLiteral("ffmpeg copy to: ") + data + QStringLiteral("/ffmpeg")}));
    QVERIFY(second.log.contains(QStringLiteral("OK: data dir ") + data));
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(contents(data + QStringLiteral("/kestrel2")),
             contents(QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2")));
    QVERIFY(QFileInfo(data + QStringLiteral("/kestrel2")).isExecutable());
    QVERIFY(QFileInfo(data + QStringLiteral("/ffmpeg")).isSymLink());
    QCOMPARE(contents(data + QStringLiteral("/managed/yt-dlp")), QByteArray("managed build"));
    QCOMPARE(QFileInfo(ini).lastModified(), written);

    // Nothing changed since: nothing is staged again.
    const Run third = start({QStringLiteral("--version")});
    QVERIFY(third.log.filter(QStringLiteral("copy to:")).isEmpty());
}

void TestShell::installerCleanUp_data()
{
    QTest::addColumn<QStringList>("files"); // in Downloads; a trailing "/" makes a folder
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("logLine"); // a pattern; %1 is the Downloads folder

    QTest::newRow("installer moved aside")
        << QStringList{QStringLiteral("CLM.exe")}
        << QStringList{QStringLiteral("CLM"), QStringLiteral("CLM_Installer.exe")}
        << QStringLiteral("CLM")
        << QStringLiteral("^\\[\\d+\\] void prepareOutputDir\\(\\) : Renamed %1/CLM.exe to "
                          "%1/CLM_Installer.exe$");
    QTest::newRow("both installers: the old name is removed")
        << QStringList{QStringLiteral("CLM.exe"), QStringLiteral("CLM_Installer.exe")}
        << QStringList{QStringLiteral("CLM"), QStringLiteral("CLM_Installer.exe")}
        << QStringLiteral("CLM")
        << QStringLiteral("^\"\\[\\d+\\] void prepareOutputDir\\(\\) :\" !!! ERROR: Failed to "
                          "rename \"%1/CLM.exe\"$");
    QTest::newRow("msi neither moved nor removed: another output folder")
        << QStringList{QStringLiteral("CLM.msi/"), QStringLiteral("CLM.msi/inside"),
                       QStringLiteral("CLM_Installer.msi")}
        << QStringList{QStringLiteral("CLM"), QStringLiteral("CLM.msi"),
                       QStringLiteral("CLM_Installer.msi"), QStringLiteral("Clipmoor")}
        << QStringLiteral("Clipmoor")
        << QStringLiteral("^\"\\[\\d+\\] void prepareOutputDir\\(\\) :\" !!! ERROR: Failed to "
                          "remove \"%1/CLM.msi\"$");
}

void TestShell::installerCleanUp()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, left);
    QFETCH(QString, output);
    QFETCH(QString, logLine);

    QDir folder(downloads());
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    for (const QString &name : files) {
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(folder.mkpath(name));
            continue;
        }
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
    }

    const Run run = start({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), left);
    QVERIFY(run.log.contains(QStringLiteral("OK: output dir %1/%2").arg(downloads(), output)));
    const QRegularExpression line(logLine.arg(QRegularExpression::escape(downloads())));
    QVERIFY2(!run.log.filter(line).isEmpty(), qPrintable(run.log.join(QLatin1Char('\n'))));
    if (files.contains(QStringLiteral("CLM_Installer.exe"))) {
        QFile kept(folder.filePath(QStringLiteral("CLM_Installer.exe")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("CLM_Installer.exe"));
    }
}

void TestShell::outputFolderCannotBeMade()
{
    QVERIFY(QDir().mkpath(downloads()));
    QFile blocker(downloads() + QStringLiteral("/CLM"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const Run run = start({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    const QRegularExpression line(
        QStringLiteral(
            "^\"\\[\\d+\\] void prepareOutputDir\\(\\) :\" !!! ERROR: output dir \"%1/CLM\"$")
            .arg(QRegularExpression::escape(downloads())));
    QVERIFY2(!run.log.filter(line).isEmpty(), qPrintable(run.log.join(QLatin1Char('\n'))));
}

// A settings file that cannot be written does not keep the program from starting.
void TestShell::settingsCannotBeWritten()
{
    const QString ini = dataDir() + QStringLiteral("/settings.ini");
    QVERIFY(QDir().mkpath(ini + QStringLiteral("/blocked")));
    const Run run = start({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QLatin1String("Clipmoor 2.0.023")));
    QVERIFY(QFileInfo(ini + QStringLiteral("/blocked")).isDir());
    QVERIFY(QFileInfo(downloads() + QStringLiteral("/CLM")).isDir());
}

// A file where the data folder belongs: the tools cannot be staged, and the log says so.
void TestShell::toolsCannotBeStaged()
{
    QVERIFY(QDir().mkpath(QFileInfo(dataDir()).path()));
    QFile blocker(dataDir());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Run run = start({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    for (const char *name : {"kestrel2", "ffmpeg"}) {
        const QString line =
            QStringLiteral("WARNING: Cannot stage \"%1/%2\" as \"%3/%2\"")
                .arg(QLatin1String(CLIPMOOR_BIN_DIR), QLatin1String(name), dataDir());
        QVERIFY2(run.log.contains(line), qPrintable(run.log.join(QLatin1Char('\n'))));
    }
}

void TestShell::endsWhenAskedBySignal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// Asked to end from outside, the program closes as after a normal close.
void TestShell::endsWhenAskedBySignal()
{
    QFETCH(int, signal);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(QStringLiteral(CLIPMOOR_BIN_DIR "/Clipmoor"));
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT((log += program.readAllStandardError()).contains("showMainWindow"),
                             30000);
    ::kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(30000));
    log += program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(log.contains("DONE: 0"), log.constData());
}

void TestShell::windowsStopEnds_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("ended");
    QTest::newRow("tree ended") << int(QProcess::NormalExit) << 0 << true;
    QTest::newRow("tool had ended") << int(QProcess::NormalExit) << 128 << true;
    QTest::newRow("access denied") << int(QProcess::NormalExit) << 1 << false;
    QTest::newRow("taskkill crashed") << int(QProcess::CrashExit) << 0 << false;
}

// On Windows a stop counts only when taskkill says the run's tree is gone.
void TestShell::windowsStopEnds()
{
    QFETCH(int, status);
    QFETCH(int, exitCode);
    QFETCH(bool, ended);
    QCOMPARE(Platform::Taskkill::treeEnded(QProcess::ExitStatus(status), exitCode), ended);
    QCOMPARE(Platform::Taskkill::arguments(4242).mid(0, 2),
             QStringList({QStringLiteral("/PID"), QStringLiteral("4242")}));
}

CLIPMOOR_TEST_MAIN(TestShell)
#include "tst_shell.moc"
