// The launcher as shipped on Linux: its handling of the arguments, its updates of the
// managed yt-dlp and Deno from local release servers, and the info cache that serves a
// video's table and download from one extraction, against a local site.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/address.h"
#include "engine/clipmoor.h"
#include "tests/support/offlinesite.h"
#include "tests/support/testmain.h"
#include "tests/support/toolstage.h"
#include "toolruns/toolfailure.h"
#include "toolruns/toolruns.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>

namespace {

// A yt-dlp that records its arguments; its --help names the newer options or not.
void writeFakeYtDlp(const QString &folder, bool knowsProgressDelta, bool knowsJsRuntimes)
{
    QDir().mkpath(folder);
    QFile script(folder + QStringLiteral("/yt-dlp"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "if [ \"$1\" = --help ]; then echo help >>\"$FAKE_LOG\"; echo '  --newline'; ");
    if (knowsProgressDelta)
        script.write("echo '  --progress-delta SECONDS'; ");
    if (knowsJsRuntimes)
        script.write("echo '  --js-runtimes RUNTIME'; ");
    script.write("exit 0; fi\nprintf '%s\\0' \"$@\" >\"$FAKE_ARGS\"\nexit 0\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// A build that answers --version and --help as yt-dlp does, without starting Python, for
// the rows where the launcher's own handling of a release is what is tested. Padded past
// what the rows that cut or slow down a download let through.
QByteArray standInBuild(const QByteArray &version)
{
    return "#!/bin/sh\n"
           "case \"$1\" in\n"
           "--version) echo " +
           version +
           " ;;\n"
           "--help) echo '  --newline'; echo '  --progress-delta SECONDS' ;;\n"
           "esac\n"
           "exit 0\n#" +
           QByteArray(16 * 1024, '-') + '\n';
}

QByteArray sha256(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The release file names the launcher asks for on this machine.
QByteArray ytDlpFile()
{
    return QSysInfo::currentCpuArchitecture() == QLatin1String("arm64") ? "yt-dlp_linux_aarch64"
                                                                        : "yt-dlp_linux";
}

QByteArray denoFile()
{
    return QSysInfo::currentCpuArchitecture() == QLatin1String("arm64")
               ? "deno-aarch64-unknown-linux-gnu.zip"
               : "deno-x86_64-unknown-linux-gnu.zip";
}

// A zip archive with one entry per blank-separated name, each holding content, by default
// an executable file.
QByteArray zipHolding(const QByteArray &name, const QByteArray &content, int mode = 0100755)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import io, sys, zipfile\n"
                                 "out = io.BytesIO()\n"
                                 "content = sys.stdin.buffer.read()\n"
                                 "with zipfile.ZipFile(out, 'w') as archive:\n"
                                 "  for name in sys.argv[1].split(' '):\n"
                                 "    entry = zipfile.ZipInfo(name)\n"
                                 "    entry.external_attr = int(sys.argv[2], 8) << 16\n"
                                 "    archive.writestr(entry, content)\n"
                                 "sys.stdout.buffer.write(out.getvalue())\n"),
                  QString::fromLatin1(name), QString::number(mode, 8)});
    python.write(content);
    python.closeWriteChannel();
    python.waitForFinished();
    return python.readAllStandardOutput();
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

struct Command {
    QString program;
    QStringList arguments;
};

// Runs the programs side by side with the event loop going, for the servers live here.
QList<Run> runAtOnce(const QList<Command> &commands, const QProcessEnvironment &environment)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const Command &command : commands) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->setProcessEnvironment(environment);
        processes.back()->start(command.program, command.arguments);
    }
    const auto allEnded = [&] {
        return std::all_of(processes.begin(), processes.end(), [](const auto &process) {
            return process->state() == QProcess::NotRunning;
        });
    };
    QList<Run> runs;
    const bool ended = waitUntil(allEnded, 60000);
    for (const auto &process : processes) {
        if (!ended) {
            process->kill();
            process->waitForFinished();
        }
        runs.append({process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
                     process->readAllStandardOutput(), process->readAllStandardError()});
    }
    return runs;
}

const QString launcherPath = QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2");

Run runLauncher(const QStringList &arguments, const QProcessEnvironment &environment)
{
    return runAtOnce({{launcherPath, arguments}}, environment).at(0);
}

QStringList splitNul(QByteArray data)
{
    if (data.endsWith('\0'))
        data.chop(1);
    QStringList parts;
    for (const QByteArray &part : data.split('\0'))
        parts.append(QString::fromUtf8(part));
    return parts;
}

// Names, modes, times and contents of a file or folder and of all it holds.
QByteArray snapshot(const QString &path)
{
    QStringList paths{path};
    QDirIterator entries(path,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        paths.append(entries.next());
    paths.sort();
    QByteArray text;
    for (const QString &entry : paths) {
        const QFileInfo info(entry);
        text += entry.toUtf8() + ' ' + QByteArray::number(int(info.permissions()), 16) + ' ' +
                QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ' + readAll(entry) +
                '\n';
    }
    return text;
}

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

public:
    explicit TestLauncher(const TestHome &home_)
        : home(home_)
    {
    }

private slots:
    void initTestCase();
    void launcherPassesArguments_data();
    void launcherPassesArguments();
    void launcherWithoutOrBesideAnUpdate();
    void updateInstallsKeepsAndReplaces();
    void updateFailureKeepsTheOldBuild_data();
    void updateFailureKeepsTheOldBuild();
    void updatesAtOnceFetchOnce();
    void cachedRunsPrintWhatPlainRunsPrint_data();
    void cachedRunsPrintWhatPlainRunsPrint();
    void secondMetadataRunJoinsTheFirst_data();
    void secondMetadataRunJoinsTheFirst();
    void cacheDecidesWhetherTheSiteIsAsked_data();
    void cacheDecidesWhetherTheSiteIsAsked();
    void refusedCachedMediaAreFetchedAgain_data();
    void refusedCachedMediaAreFetchedAgain();
    void recoversFromTheSiteChanging_data();
    void recoversFromTheSiteChanging();
    void cancelEndsTheRecovery_data();
    void cancelEndsTheRecovery();
    void unpackedBuildOutlivesItsReplacement();
    void plantedLinksAreLeftAlone_data();
    void plantedLinksAreLeftAlone();
    void unwritableCacheLeavesTheRunAlone_data();
    void unwritableCacheLeavesTheRunAlone();

private:
    // A home of its own for the launcher: data, cache and a recording yt-dlp on PATH.
    QProcessEnvironment freshHome();
    // The release files; with an unpacked build, its zip is listed and served too. With a
    // tag, the sums' address leads to the release's own, as on the real host.
    void serveRelease(const QByteArray &ytDlp, const QByteArray &deno,
                      const QByteArray &unpacked = QByteArray(), const QByteArray &tag = {});
    QString managed(const QProcessEnvironment &environment, const char *name = "") const
    {
        return environment.value(QStringLiteral("XDG_DATA_HOME")) +
               QStringLiteral("/Quorvel/Clipmoor/managed/") + QLatin1String(name);
    }

    QString infoCache() const
    {
        return home.path() + QStringLiteral("/.cache/Quorvel/Clipmoor/info");
    }

    const TestHome &home;
    QTemporaryDir scratch;
    OfflineSite site;
    HttpServer releases;
    QByteArray oldYtDlp, newYtDlp, deno;
    QByteArray oldBuild, newBuild; // stand-ins, for the rows about the launcher alone
};

QProcessEnvironment TestLauncher::freshHome()
{
    static int homes = 0;
    const QString dir = scratch.filePath(QStringLiteral("home%1").arg(++homes));
    QDir().mkpath(dir + QStringLiteral("/bin"));
    QFile::copy(QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/fake-yt-dlp.sh"),
                dir + QStringLiteral("/bin/yt-dlp"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("PATH"), dir + QStringLiteral("/bin:/usr/bin:/bin"));
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"),
                       QString::fromLatin1(releases.url("/yt")));
    environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"),
                       QString::fromLatin1(releases.url("/deno")));
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_STALL_MS"), QStringLiteral("1000"));
    return environment;
}

void TestLauncher::serveRelease(const QByteArray &ytDlp, const QByteArray &denoZip,
                                const QByteArray &unpacked, const QByteArray &tag)
{
    QByteArray sums =
        sha256("other") + "  yt-dlp_macos\n" + sha256(ytDlp) + "  " + ytDlpFile() + "\n";
    if (!unpacked.isEmpty())
        sums += sha256(unpacked) + "  " + ytDlpFile() + ".zip\n";
    releases.route("/yt/SHA2-256SUMS", {200, "text/plain", sums});
    if (!tag.isEmpty()) {
        const QByteArray own = "/yt/releases/download/" + tag + "/SHA2-256SUMS";
        releases.route(own, {200, "text/plain", sums});
        HttpServer::Response moved{302, "text/plain", {}};
        moved.location = own;
        releases.route("/yt/SHA2-256SUMS", moved);
    }
    releases.route("/yt/" + ytDlpFile() + ".zip", {200, "application/zip", unpacked});
    releases.route("/yt/" + ytDlpFile(), {200, "application/octet-stream", ytDlp});
    releases.route("/deno/" + denoFile() + ".sha256sum",
                   {200, "text/plain", sha256(denoZip) + "  " + denoFile() + "\n"});
    releases.route("/deno/" + denoFile(), {200, "application/zip", denoZip});
}

void TestLauncher::initTestCase()
{
    prepareOutputDir();
    QVERIFY2(site.start(), qPrintable(site.error()));
    QVERIFY2(site.stage(home.dataDir()), qPrintable(site.error()));
    QVERIFY(releases.listen());
    oldYtDlp = readAll(testRelease("yt-dlp-2098.01.01"));
    newYtDlp = readAll(testRelease("yt-dlp-2099.01.01"));
    deno = readAll(testRelease("deno-2.5.0.zip"));
    QVERIFY(!oldYtDlp.isEmpty() && !newYtDlp.isEmpty() && !deno.isEmpty());
    oldBuild = standInBuild("2098.01.01");
    newBuild = standInBuild("2099.01.01");
}

void TestLauncher::launcherPassesArguments_data()
{
    QTest::addColumn<bool>("knowsProgressDelta");
    QTest::addColumn<bool>("knowsJsRuntimes");
    QTest::addColumn<bool>("withDeno"); // a managed Deno in the data folder
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("passed"); // "DENO" stands for the managed Deno's path
    QTest::addColumn<int>("helpCalls");      // over two runs

    const QStringList download = {QStringLiteral("--no-warnings"),
                                  QStringLiteral("--progress-delta"),
                                  QStringLiteral("1"),
                                  QStringLiteral("--format"),
                                  QStringLiteral("137+bestaudio/ best"),
                                  QString(),
                                  QStringLiteral("--progress-delta=2"),
                                  QStringLiteral("a 'quoted' \"id\"")};
    QTest::newRow("old yt-dlp: option and value dropped")
        << false << false << false << download
        << QStringList{QStringLiteral("--no-warnings"), QStringLiteral("--format"),
                       QStringLiteral("137+bestaudio/ best"), QString(),
                       QStringLiteral("a 'quoted' \"id\"")}
        << 1;
    QTest::newRow("current yt-dlp: unchanged")
        << true << false << false << download << download << 1;
    const QStringList metadata = {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                                  QStringLiteral("--no-warnings"), QStringLiteral("-x")};
    QTest::newRow("no such option: no probing")
        << false << false << false << metadata << metadata << 0;
    QTest::newRow("Deno and a yt-dlp that knows runtimes: Deno named first")
        << true << true << true << download
        << QStringList{QStringLiteral("--js-runtimes"), QStringLiteral("deno:DENO")} + download
        << 1;
    QTest::newRow("Deno, but the yt-dlp knows no runtimes")
        << true << false << true << metadata << metadata << 1;
    QTest::newRow("no Deno: no runtime") << true << true << false << metadata << metadata << 0;
    const QStringList oneVideo = {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                                  QStringLiteral("--no-warnings"), QStringLiteral("abc123XYZ_0")};
    QTest::newRow("a yt-dlp without the info options: metadata run as given")
        << false << false << false << oneVideo << oneVideo << 1;
}

void TestLauncher::launcherPassesArguments()
{
    QFETCH(bool, knowsProgressDelta);
    QFETCH(bool, knowsJsRuntimes);
    QFETCH(bool, withDeno);
    QFETCH(QStringList, given);
    QFETCH(QStringList, passed);
    QFETCH(int, helpCalls);

    // A home of its own per row: a fresh tool file, so a fresh cache entry.
    QProcessEnvironment environment = freshHome();
    const QString row = environment.value(QStringLiteral("HOME"));
    writeFakeYtDlp(row + QStringLiteral("/bin"), knowsProgressDelta, knowsJsRuntimes);
    environment.insert(QStringLiteral("FAKE_LOG"), row + QStringLiteral("/help.log"));
    environment.insert(QStringLiteral("FAKE_ARGS"), row + QStringLiteral("/args"));
    if (withDeno) {
        QVERIFY(QDir().mkpath(managed(environment)));
        QVERIFY(QFile::copy(QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/fake-yt-dlp.sh"),
                            managed(environment, "deno")));
    }
    passed.replaceInStrings(QStringLiteral("DENO"), managed(environment, "deno"));

    // The second run answers from the cache.
    for (int run = 0; run < 2; ++run) {
        const Run launched = runLauncher(given, environment);
        QVERIFY2(launched.exitCode == 0, launched.err.constData());
        QCOMPARE(splitNul(readAll(row + QStringLiteral("/args"))), passed);
    }
    QCOMPARE(int(readAll(row + QStringLiteral("/help.log")).count("help")), helpCalls);
}

void TestLauncher::launcherWithoutOrBesideAnUpdate()
{
    QProcessEnvironment environment = freshHome();
    environment.insert(QStringLiteral("PATH"), scratch.filePath(QStringLiteral("empty")));
    const Run run = runLauncher({QStringLiteral("--version")}, environment);
    QCOMPARE(run.exitCode, 127);
    QCOMPARE(run.err.trimmed(), QByteArray("ERROR: yt-dlp was not found on PATH"));

    // A first installation that takes too long: the run waits its time, says so, and goes
    // on with the yt-dlp on PATH.
    environment = freshHome();
    environment.insert(QStringLiteral("CLIPMOOR_FIRST_INSTALL_WAIT_MS"), QStringLiteral("300"));
    QVERIFY(QDir().mkpath(managed(environment)));
    QLockFile update(managed(environment, ".update.lock"));
    QVERIFY(update.tryLock(0));
    const Run waited = runLauncher({QStringLiteral("--version")}, environment);
    QCOMPARE(waited.exitCode, 0);
    QCOMPARE(waited.err, QByteArray("WARNING: the managed yt-dlp is still being installed after "
                                    "0.3 s; going on without it\n"));
    // An update killed while it made its lock left the file empty: nobody waits for it.
    update.unlock();
    QFile left(managed(environment, ".update.lock"));
    QVERIFY(left.open(QIODevice::WriteOnly));
    QVERIFY(left.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
    left.close();
    const Run unlocked = runLauncher({QStringLiteral("--version")}, environment);
    QCOMPARE(unlocked.exitCode, 0);
    QCOMPARE(unlocked.err, QByteArray());
    QVERIFY(update.tryLock(0));

    // While an update runs, an extraction may lack the Deno it brings: it is not kept.
    QVERIFY(QFile::copy(testRelease("yt-dlp-2099.01.01"), managed(environment, "yt-dlp")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    const Run beside =
        runLauncher({QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                     QStringLiteral("--no-warnings"), QLatin1String(OfflineSite::videoId)},
                    environment);
    QCOMPARE(beside.out, QByteArray(OfflineSite::title) + "\n3:33\n");
    QCOMPARE(QDir(environment.value(QStringLiteral("XDG_CACHE_HOME")) +
                  QStringLiteral("/Quorvel/Clipmoor/info"))
                 .entryList(QDir::Files),
             QStringList());
}

void TestLauncher::updateInstallsKeepsAndReplaces()
{
    QProcessEnvironment environment = freshHome();
    const QString calls =
        environment.value(QStringLiteral("HOME")) + QStringLiteral("/yt-dlp-calls.log");
    const QStringList update = {QStringLiteral("--update")};
    const QStringList version = {QStringLiteral("--version")};

    // Fetching turned off and nothing managed yet: an error, and the yt-dlp on PATH serves.
    QProcessEnvironment off = environment;
    off.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"), QStringLiteral("none"));
    Run run = runLauncher(update, off);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("ERROR: ") && run.err.count('\n') == 1, run.err.constData());
    QCOMPARE(runLauncher(version, off).exitCode, 0);
    QCOMPARE(readAll(calls), QByteArray("--version\n"));

    // The first installation, from an empty folder.
    serveRelease(oldBuild, deno);
    run = runLauncher(update, environment);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(readAll(managed(environment, "yt-dlp")), oldBuild);
    QVERIFY(QFileInfo(managed(environment, "deno")).isExecutable());
    QCOMPARE(runLauncher(version, environment).out, QByteArray("2098.01.01\n"));
    QProcess denoRun;
    denoRun.start(managed(environment, "deno"), {});
    QVERIFY(denoRun.waitForFinished(10000));
    QCOMPARE(denoRun.readAllStandardOutput(), QByteArray("deno 2.5.0\n"));

    // Current: only the checksums are asked for.
    const qsizetype before = releases.requestedPaths().size();
    QCOMPARE(runLauncher(update, environment).exitCode, 0);
    QCOMPARE(releases.requestedPaths().mid(before),
             (QList<QByteArray>{"/yt/SHA2-256SUMS", "/deno/" + denoFile() + ".sha256sum"}));

    // A new release replaces the old build; Deno, unchanged, is not fetched again.
    serveRelease(newBuild, deno);
    const qsizetype beforeNew = releases.requestedPaths().size();
    QCOMPARE(runLauncher(update, environment).exitCode, 0);
    QCOMPARE(releases.requestedPaths().mid(beforeNew).count("/deno/" + denoFile()), 0);
    QCOMPARE(runLauncher(version, environment).out, QByteArray("2099.01.01\n"));

    // With fetching off, what is there stays in use and nothing is asked for.
    const qsizetype beforeOff = releases.requestedPaths().size();
    QCOMPARE(runLauncher(update, off).exitCode, 0);
    QCOMPARE(runLauncher(version, off).out, QByteArray("2099.01.01\n"));
    QCOMPARE(releases.requestedPaths().size(), beforeOff);

    // "-U" alone is the launcher's own update; any other form of a self-update is refused,
    // never handed to a yt-dlp.
    QCOMPARE(runLauncher({QStringLiteral("-U")}, environment).exitCode, 0);
    for (const QStringList &other :
         {QStringList{QStringLiteral("--update-to"), QStringLiteral("nightly")},
          QStringList{QStringLiteral("--update"), QStringLiteral("--verbose")}}) {
        run = runLauncher(other, environment);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("ERROR: "));
    }
    // The yt-dlp on PATH only ever ran for --version.
    QCOMPARE(readAll(calls), QByteArray("--version\n"));
    QCOMPARE(QDir(managed(environment))
                 .entryList({QStringLiteral(".partial-*")}, QDir::Hidden | QDir::Files),
             QStringList());
}

void TestLauncher::updateFailureKeepsTheOldBuild_data()
{
    QTest::addColumn<QByteArray>("path"); // the release file that misbehaves
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // "NEW" stands for the new build
    QTest::addColumn<QByteArray>("sums"); // of the yt-dlp release; "NEW" for the right line
    QTest::addColumn<int>("cutAfter");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<int>("bytesPerSecond"); // under a short deadline for the whole update

    const QByteArray file = "/yt/" + ytDlpFile();
    const QByteArray right = "NEW";
    QTest::newRow("wrong checksum") << file << 200 << right << sha256("else") + "  " + ytDlpFile()
                                    << -1 << false << QByteArray() << 0;
    QTest::newRow("truncated body")
        << file << 200 << right << right << 4096 << false << QByteArray() << 0;
    QTest::newRow("404") << file << 404 << QByteArray("gone") << right << -1 << false
                         << QByteArray() << 0;
    QTest::newRow("500 for the sums") << QByteArray("/yt/SHA2-256SUMS") << 500 << QByteArray("oops")
                                      << right << -1 << false << QByteArray() << 0;
    QTest::newRow("stalled server")
        << file << 200 << right << right << -1 << true << QByteArray() << 0;
    QTest::newRow("sums larger than the limit")
        << QByteArray("/yt/SHA2-256SUMS") << 200 << QByteArray(2 * 1024 * 1024, 'x') << right << -1
        << false << QByteArray() << 0;
    QTest::newRow("no line for the file")
        << file << 200 << right << sha256("NEW") + "  yt-dlp_macos" << -1 << false << QByteArray()
        << 0;
    QTest::newRow("redirect to plain http elsewhere")
        << file << 302 << QByteArray() << right << -1 << false
        << QByteArray("http://example.invalid/yt-dlp_linux") << 0;
    QTest::newRow("Deno archive without deno")
        << "/deno/" + denoFile() << 200 << QByteArray("PK\x05\x06") + QByteArray(18, '\0') << right
        << -1 << false << QByteArray() << 0;
    // The published sum matches, but what was published is no program.
    const QByteArray page = "<!DOCTYPE html><html>Rate limit exceeded</html>\n";
    QTest::newRow("a web page in place of the build")
        << file << 200 << page << sha256(page) + "  " + ytDlpFile() << -1 << false << QByteArray()
        << 0;
    QTest::newRow("a Deno that does not run")
        << "/deno/" + denoFile() << 200 << QByteArray("DENO-PAGE") << right << -1 << false
        << QByteArray() << 0;
    QTest::newRow("redirect loop")
        << file << 302 << QByteArray() << right << -1 << false << "/yt/" + ytDlpFile() << 0;
    const QByteArray zip = "/yt/" + ytDlpFile() + ".zip";
    QTest::newRow("an unpacked build with an entry outside its folder")
        << zip << 200 << zipHolding("../" + ytDlpFile(), "#!/bin/sh\n") << right << -1 << false
        << QByteArray() << 0;
    // Builds that would run, were the entry taken as an unpacker might take it.
    const QByteArray runs = "#!/bin/sh\necho 2099.01.01\n";
    QTest::newRow("an unpacked build holding its program twice")
        << zip << 200 << zipHolding(ytDlpFile() + ' ' + ytDlpFile(), runs) << right << -1 << false
        << QByteArray() << 0;
    QTest::newRow("an unpacked build under ./")
        << zip << 200 << zipHolding("./" + ytDlpFile(), runs) << right << -1 << false
        << QByteArray() << 0;
    QTest::newRow("Deno archive holding ./deno")
        << "/deno/" + denoFile() << 200 << zipHolding("./deno", "#!/bin/sh\necho deno 2.5.0\n")
        << right << -1 << false << QByteArray() << 0;
    QTest::newRow("an unpacked build whose program is a link")
        << zip << 200 << zipHolding(ytDlpFile(), "/bin/sh", 0120777) << right << -1 << false
        << QByteArray() << 0;
    QTest::newRow("a drip feed past the update's deadline")
        << file << 200 << right << right << -1 << false << QByteArray() << 2000;
    QTest::newRow("Deno archive holding deno twice")
        << "/deno/" + denoFile() << 200 << readAll(testRelease("deno-twice.zip")) << right << -1
        << false << QByteArray() << 0;
    QTest::newRow("Deno archive holding a link named deno")
        << "/deno/" + denoFile() << 200 << readAll(testRelease("deno-link.zip")) << right << -1
        << false << QByteArray() << 0;
}

void TestLauncher::updateFailureKeepsTheOldBuild()
{
    QFETCH(QByteArray, path);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, sums);
    QFETCH(int, cutAfter);
    QFETCH(bool, silent);
    QFETCH(QByteArray, location);
    QFETCH(int, bytesPerSecond);

    // The old build as the first row's update installed it.
    const QProcessEnvironment environment = freshHome();
    const QString seed = scratch.filePath(QStringLiteral("seed"));
    if (!QFile::exists(seed)) {
        serveRelease(oldBuild, deno);
        QCOMPARE(runLauncher({QStringLiteral("--update")}, environment).exitCode, 0);
        QVERIFY(QDir().mkpath(seed));
        for (const char *name : {"yt-dlp", "deno", "deno.sha256"})
            QVERIFY(QFile::copy(managed(environment, name),
                                seed + QLatin1Char('/') + QLatin1String(name)));
    } else {
        QVERIFY(QDir().mkpath(managed(environment)));
        for (const char *name : {"yt-dlp", "deno", "deno.sha256"})
            QVERIFY(QFile::copy(seed + QLatin1Char('/') + QLatin1String(name),
                                managed(environment, name)));
    }

    serveRelease(newBuild, deno);
    if (body == "DENO-PAGE")
        body = zipHolding("deno", "<html>not a program</html>\n");
    if (path.endsWith("_linux.zip")) // the release offers an unpacked build
        serveRelease(newBuild, deno, body);
    if (sums != "NEW")
        releases.route("/yt/SHA2-256SUMS", {200, "text/plain", sums + '\n'});
    HttpServer::Response fault{status, "application/octet-stream", body == "NEW" ? newBuild : body};
    fault.cutAfter = cutAfter;
    fault.silent = silent;
    fault.location = location;
    fault.bytesPerSecond = bytesPerSecond;
    QProcessEnvironment limited = environment;
    if (bytesPerSecond > 0)
        limited.insert(QStringLiteral("CLIPMOOR_UPDATE_DEADLINE_MS"), QStringLiteral("800"));
    if (silent)
        limited.insert(QStringLiteral("CLIPMOOR_TOOL_STALL_MS"), QStringLiteral("400"));
    if (path.endsWith(".zip")) // a changed archive, with its own checksum
        releases.route(path + ".sha256sum", {200, "text/plain", sha256(body) + "  " + denoFile()});
    releases.route(path, fault);

    const Run run = runLauncher({QStringLiteral("--update")}, limited);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("ERROR: ") && run.err.count('\n') == 1, run.err.constData());
    QVERIFY2(!run.err.contains("HTTP status 100"), run.err.constData());
    // What was there before is kept as it was; only a failed Deno lets the new yt-dlp in.
    const bool ytDlpReplaced = path.startsWith("/deno/");
    QCOMPARE(readAll(managed(environment, "yt-dlp")), ytDlpReplaced ? newBuild : oldBuild);
    QVERIFY(QFileInfo(managed(environment, "yt-dlp")).isExecutable());
    QCOMPARE(readAll(managed(environment, "deno.sha256")), sha256(deno) + '\n');
    QCOMPARE(QDir(managed(environment))
                 .entryList({QStringLiteral(".partial-*")}, QDir::Hidden | QDir::Files),
             QStringList());
    if (ytDlpReplaced)
        QCOMPARE(runLauncher({QStringLiteral("--version")}, environment).out,
                 QByteArray("2099.01.01\n"));
}

// The update at start-up and a manual one at once: one waits, and one fetch serves both.
// A download asked for meanwhile waits for the first installation. With a slow Deno, the
// new yt-dlp never shows without it.
void TestLauncher::updatesAtOnceFetchOnce()
{
    QProcessEnvironment environment = freshHome();
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_STALL_MS"), QStringLiteral("30000"));
    serveRelease(newBuild, deno);
    HttpServer::Response slow{200, "application/zip", deno};
    slow.delayMs = 300;
    slow.bytesPerSecond = deno.size() * 2;
    releases.route("/deno/" + denoFile(), slow);
    const qsizetype before = releases.requestedPaths().size();
    bool ytDlpAlone = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        ytDlpAlone = ytDlpAlone || (QFile::exists(managed(environment, "yt-dlp")) &&
                                    !QFile::exists(managed(environment, "deno")));
    });
    poll.start(1);

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(launcherPath, {QStringLiteral("--update")});
    QTRY_VERIFY(releases.requestedPaths().mid(before).contains("/yt/SHA2-256SUMS"));
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(launcherPath, {QStringLiteral("--update")});
    const Run version = runLauncher({QStringLiteral("--version")}, environment);
    QTRY_COMPARE_WITH_TIMEOUT(first.state(), QProcess::NotRunning, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 60000);

    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!ytDlpAlone);
    QVERIFY(releases.requestedPaths().mid(before).contains("/deno/" + denoFile()));
    QCOMPARE(version.out, QByteArray("2099.01.01\n"));
    QCOMPARE(releases.requestedPaths().mid(before).count("/yt/" + ytDlpFile()), 1);
    QVERIFY(!QFile::exists(environment.value(QStringLiteral("HOME")) +
                           QStringLiteral("/yt-dlp-calls.log")));
}

// The metadata run keeps the info as it prints; the listing then comes from that info
// and prints the same table, without asking the site.
void TestLauncher::cachedRunsPrintWhatPlainRunsPrint_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QJsonValue>("duration"); // undefined: none
    QTest::addColumn<bool>("live");
    QTest::addColumn<bool>("lingers"); // the yt-dlp leaves a child behind, holding its outputs
    // The stored listing spoilt and the thumbnail asked for: the same for any video, so once.
    QTest::addColumn<bool>("storedFiles");

    QTest::newRow("under a minute, a bar in the title")
        << "cacheShort1"
        << "Left | right" << QJsonValue(42) << false << false << true;
    QTest::newRow("over an hour, non-ASCII title")
        << "cacheLong01" << QStringLiteral("Grüße aus Köln – 東京 ♪") << QJsonValue(3723.5) << false
        << false << false;
    QTest::newRow("no duration, a child left behind")
        << "cacheNoDur1"
        << "Unknown length" << QJsonValue() << false << true << false;
    QTest::newRow("live stream") << "cacheLive01"
                                 << "Live now" << QJsonValue() << true << false << false;
}

void TestLauncher::cachedRunsPrintWhatPlainRunsPrint()
{
    QFETCH(QString, id);
    QFETCH(QString, title);
    QFETCH(QJsonValue, duration);
    QFETCH(bool, live);
    QFETCH(bool, lingers);
    QFETCH(bool, storedFiles);

    QJsonObject info = site.info();
    info.insert(QStringLiteral("id"), id);
    info.insert(QStringLiteral("title"), title);
    info.remove(QStringLiteral("duration"));
    if (!duration.isUndefined())
        info.insert(QStringLiteral("duration"), duration);
    if (live) {
        info.insert(QStringLiteral("is_live"), true);
        info.insert(QStringLiteral("live_status"), QStringLiteral("is_live"));
    }
    site.serveInfo(info);
    const QString ytDlp = home.dataDir() + QStringLiteral("/managed/yt-dlp");
    // The launcher's managed yt-dlp notes each start of its own.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString data = scratch.filePath(QStringLiteral("counted-") + id);
    const QString starts = data + QStringLiteral("/starts");
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    QVERIFY(QDir().mkpath(data + QStringLiteral("/Quorvel/Clipmoor/managed")));
    QFile counted(data + QStringLiteral("/Quorvel/Clipmoor/managed/yt-dlp"));
    QVERIFY(counted.open(QIODevice::WriteOnly));
    const QString lingering = data + QStringLiteral("/lingering");
    counted.write("#!/bin/sh\necho \"$1\" >>'" + QFile::encodeName(starts) + "'\n");
    if (lingers)
        counted.write("sleep 25 & echo $! >>'" + QFile::encodeName(lingering) + "'\n");
    counted.write("exec /usr/bin/python3 '" + QFile::encodeName(ytDlp) + "' \"$@\"\n");
    counted.close();
    QVERIFY(counted.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // The plain yt-dlp and the launcher run side by side, each as the other's reference.
    const QStringList metadata = {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                                  QStringLiteral("--no-warnings"), id};
    // The tool adds the time of the run, to the minute, to the title of a live stream.
    const auto withoutRunTime = [](QByteArray out) {
        static const QRegularExpression time(
            QStringLiteral(" \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\\n"));
        return QString::fromUtf8(out).replace(time, QStringLiteral("\n")).toUtf8();
    };
    const QList<Run> metadataRuns =
        runAtOnce({{ytDlp, metadata}, {launcherPath, metadata}}, environment);
    const Run &direct = metadataRuns.at(0);
    const Run &launched = metadataRuns.at(1);
    QCOMPARE(withoutRunTime(launched.out), withoutRunTime(direct.out));
    QCOMPARE(launched.exitCode, direct.exitCode);
    QVERIFY(direct.out.startsWith(title.toUtf8()));
    // Asked again, the launcher answers from the kept info as the tool does; without a
    // duration in it, only the tool knows what it would print.
    const bool served = duration.isDouble();
    const Run again = runLauncher(metadata, environment);
    QCOMPARE(withoutRunTime(again.out), withoutRunTime(direct.out));
    QCOMPARE(again.exitCode, 0);
    // The runs ended with their yt-dlp, not with what that left behind.
    if (lingers) {
        const QByteArrayList left = readAll(lingering).trimmed().split('\n');
        QVERIFY(!left.isEmpty());
        for (const QByteArray &pid : left) {
            QVERIFY2(processRunning(pid.toLongLong()), pid.constData());
            ::kill(pid_t(pid.toLongLong()), SIGKILL);
        }
    }

    // Only the plain listing asks the site.
    const QStringList listing = {QStringLiteral("--list-formats"), QStringLiteral("--no-warnings"),
                                 id};
    const int asked = site.extractions(id.toUtf8());
    const QList<Run> listings = runAtOnce({{ytDlp, listing}, {launcherPath, listing}}, environment);
    const Run &directListing = listings.at(0);
    const Run &cachedListing = listings.at(1);
    QCOMPARE(site.extractions(id.toUtf8()), asked + 1);
    QCOMPARE(cachedListing.exitCode, directListing.exitCode);
    // Only the extractor's own progress lines, which precede the table, are not repeated.
    QByteArrayList tableLines = directListing.out.split('\n');
    tableLines.removeIf(
        [](const QByteArray &line) { return line.startsWith("[clipmoortestsite]"); });
    QCOMPARE(cachedListing.out, tableLines.join('\n'));
    QVERIFY(cachedListing.out.contains("137 mp4"));
    // One tool start made the title, the duration and the table (besides the options probe).
    QByteArrayList started = readAll(starts).split('\n');
    started.removeAll("--help");
    const QByteArrayList expected = {"--get-title", "--get-title", ""};
    QCOMPARE(started, expected.mid(served ? 1 : 0));
    if (!storedFiles)
        return;

    // A damaged stored listing is not printed: the listing comes from the info instead.
    for (const QFileInfo &stored :
         QDir(infoCache()).entryInfoList({QStringLiteral("*.listing")}, QDir::Files)) {
        QFile file(stored.filePath());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(file.size() - 20));
    }
    const Run fromInfo = runLauncher(listing, environment);
    QCOMPARE(fromInfo.out, cachedListing.out);
    QCOMPARE(readAll(starts).count("--list-formats"), 1);
    QCOMPARE(site.extractions(id.toUtf8()), asked + 1);
    // Nor one that names another video, though its checksum holds.
    const QByteArray table = cachedListing.out.mid(cachedListing.out.indexOf('\n') + 1);
    const QByteArray other = "[info] Available formats for otherVideo1:\n" + table;
    for (const QFileInfo &stored :
         QDir(infoCache()).entryInfoList({QStringLiteral("*.listing")}, QDir::Files)) {
        QFile file(stored.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sha256(other) + '\n' + other);
    }
    QCOMPARE(runLauncher(listing, environment).out, cachedListing.out);
    QCOMPARE(readAll(starts).count("--list-formats"), 2);

    // The thumbnail's address comes from the kept info as the plain run prints it, with no
    // tool started; without the info there is none, and still no extraction.
    const QStringList thumbnail = ToolRuns::thumbnailArguments(id);
    const QList<Run> thumbnails =
        runAtOnce({{ytDlp, thumbnail}, {launcherPath, thumbnail}}, environment);
    QCOMPARE(thumbnails.at(1).out, thumbnails.at(0).out);
    QCOMPARE(thumbnails.at(1).exitCode, 0);
    QVERIFY(thumbnails.at(1).out.endsWith(QByteArray(OfflineSite::thumbnailPath) + '\n'));
    QVERIFY(QDir(infoCache()).removeRecursively());
    const Run noInfo = runLauncher(thumbnail, environment);
    QVERIFY(noInfo.exitCode != 0);
    QCOMPARE(noInfo.out, QByteArray());
    QCOMPARE(readAll(starts).count("--get-thumbnail"), 0);
    QCOMPARE(site.extractions(id.toUtf8()), asked + 2);
}

// Two metadata runs of one video at once make one extraction, unless the second waits
// longer than its limit.
void TestLauncher::secondMetadataRunJoinsTheFirst_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("waitMs"); // empty: the launcher's own limit
    QTest::addColumn<int>("extractions");
    QTest::newRow("joined") << "joinedRun01" << QString() << 1;
    QTest::newRow("waited past the limit") << "joinLimit01"
                                           << "300" << 2;
}

void TestLauncher::secondMetadataRunJoinsTheFirst()
{
    QFETCH(QString, id);
    QFETCH(QString, waitMs);
    QFETCH(int, extractions);
    QJsonObject info = site.info();
    info.insert(QStringLiteral("id"), id);
    HttpServer::Response slow{200, "application/json", QJsonDocument(info).toJson()};
    slow.delayMs = 800;
    site.server().route("/watch/" + id.toUtf8(), slow);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!waitMs.isEmpty())
        environment.insert(QStringLiteral("CLIPMOOR_JOIN_WAIT_MS"), waitMs);
    const QStringList metadata = ToolRuns::metadataArguments(id);
    const QList<Run> runs =
        runAtOnce({{launcherPath, metadata}, {launcherPath, metadata}}, environment);
    for (const Run &run : runs) {
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("Test Video Title\n3:33\n"));
    }
    QCOMPARE(site.extractions(id.toUtf8()), extractions);
}

void TestLauncher::cacheDecidesWhetherTheSiteIsAsked_data()
{
    QTest::addColumn<bool>("download"); // else the format listing
    QTest::addColumn<int>("ageS");
    QTest::addColumn<QByteArray>("entry"); // "keep", "remove", or what is done to it
    QTest::addColumn<int>("extractions");  // by the listing or download

    QTest::newRow("listing, 9 minutes old") << false << 9 * 60 << QByteArray("keep") << 0;
    QTest::newRow("listing, 11 minutes old") << false << 11 * 60 << QByteArray("keep") << 1;
    QTest::newRow("listing, damaged entry") << false << 0 << QByteArray("truncate") << 1;
    QTest::newRow("listing, entry holding the id alone")
        << false << 0 << QByteArray("id only") << 1;
    QTest::newRow("download, 29 minutes old") << true << 29 * 60 << QByteArray("keep") << 0;
    QTest::newRow("download, 31 minutes old") << true << 31 * 60 << QByteArray("keep") << 1;
    QTest::newRow("download, entry removed") << true << 0 << QByteArray("remove") << 1;
    QTest::newRow("download, formats without addresses") << true << 0 << QByteArray("no urls") << 1;
    QTest::newRow("download, formats not a list") << true << 0 << QByteArray("formats text") << 1;
    // Used only for the video it was made for, from where its extraction said.
    QTest::newRow("download, entry edited to another id")
        << true << 0 << QByteArray("id otherVideo1") << 1;
    QTest::newRow("download, another extractor") << true << 0 << QByteArray("extractor Other") << 1;
    QTest::newRow("download, media on another host") << true << 0 << QByteArray("host") << 1;
    QTest::newRow("download, addresses expire in 5 minutes")
        << true << 0 << QByteArray("expire 300") << 1;
    QTest::newRow("download, addresses expire in an hour")
        << true << 0 << QByteArray("expire 3600") << 0;
    QTest::newRow("listing, addresses expire in 5 minutes")
        << false << 0 << QByteArray("expire 300") << 0;
}

void TestLauncher::cacheDecidesWhetherTheSiteIsAsked()
{
    QFETCH(bool, download);
    QFETCH(int, ageS);
    QFETCH(QByteArray, entry);
    QFETCH(int, extractions);

    // The first row's metadata run writes the entry, and removes an entry of another video
    // from two days ago as it does; the other rows start from a copy of that entry.
    QDir(infoCache()).removeRecursively();
    QVERIFY(QDir().mkpath(infoCache()));
    site.serveInfo(site.info());
    const QString id = QLatin1String(OfflineSite::videoId);
    const QString seed = scratch.filePath(QStringLiteral("info-seed"));
    if (!QFile::exists(seed)) {
        QFile stale(infoCache() + QStringLiteral("/0123.info.json"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("{\"id\": \"other\"}");
        QVERIFY(stale.flush());
        QVERIFY(stale.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                  QFileDevice::FileModificationTime));
        stale.close();
        QCOMPARE(runLauncher({QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                              QStringLiteral("--no-warnings"), id},
                             QProcessEnvironment::systemEnvironment())
                     .exitCode,
                 0);
        QVERIFY(!stale.exists());
        const QFileInfoList written =
            QDir(infoCache()).entryInfoList({QStringLiteral("*.info.json")}, QDir::Files);
        QCOMPARE(written.size(), 1);
        QCOMPARE(written.at(0).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
        QVERIFY(QDir().mkpath(seed));
        QVERIFY(QFile::copy(written.at(0).filePath(),
                            seed + QLatin1Char('/') + written.at(0).fileName()));
    } else {
        for (const QFileInfo &kept :
             QDir(seed).entryInfoList({QStringLiteral("*.info.json")}, QDir::Files))
            QVERIFY(QFile::copy(kept.filePath(), infoCache() + QLatin1Char('/') + kept.fileName()));
    }
    const QFileInfoList entries =
        QDir(infoCache()).entryInfoList({QStringLiteral("*.info.json")}, QDir::Files);
    QCOMPARE(entries.size(), 1);
    QFile file(entries.at(0).filePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray json = file.readAll();
    QJsonObject info = QJsonDocument::fromJson(json).object();
    if (entry == "id only")
        info = {{QStringLiteral("id"), info.value(QLatin1String("id"))}};
    if (entry == "no urls") {
        QJsonArray formats;
        for (const QJsonValue format : info.value(QLatin1String("formats")).toArray()) {
            QJsonObject withoutUrl = format.toObject();
            withoutUrl.remove(QLatin1String("url"));
            formats.append(withoutUrl);
        }
        info.insert(QStringLiteral("formats"), formats);
    }
    if (entry == "formats text")
        info.insert(QStringLiteral("formats"), QStringLiteral("137"));
    const QList<QByteArray> change = entry.split(' ');
    if (change.at(0) == "id")
        info.insert(QStringLiteral("id"), QString::fromLatin1(change.at(1)));
    if (change.at(0) == "extractor")
        info.insert(QStringLiteral("extractor_key"), QString::fromLatin1(change.at(1)));
    if (change.at(0) == "host" || change.at(0) == "expire") {
        QJsonArray formats;
        for (const QJsonValue format : info.value(QLatin1String("formats")).toArray()) {
            QJsonObject moved = format.toObject();
            QString url = moved.value(QLatin1String("url")).toString();
            if (change.at(0) == "host")
                url.replace(QStringLiteral("//127.0.0.1:"), QStringLiteral("//127.0.0.2:"));
            else
                url += QStringLiteral("?expire=%1")
                           .arg(QDateTime::currentSecsSinceEpoch() + change.at(1).toInt());
            moved.insert(QStringLiteral("url"), url);
            formats.append(moved);
        }
        info.insert(QStringLiteral("formats"), formats);
    }
    if (entry != "keep" && entry != "remove") {
        json = entry == "truncate" ? json.left(json.size() / 2) : QJsonDocument(info).toJson();
        QVERIFY(file.resize(0) && file.seek(0) && file.write(json) == json.size());
    }
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageS),
                             QFileDevice::FileModificationTime));
    file.close();
    if (entry == "remove")
        QVERIFY(file.remove());

    const int before = site.extractions();
    const QStringList arguments =
        download
            ? ToolRuns::downloadArguments(137, home.dataDir(), outputDir(), id)
            : QStringList{QStringLiteral("--list-formats"), QStringLiteral("--no-warnings"), id};
    const Run run = runLauncher(arguments, QProcessEnvironment::systemEnvironment());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(site.extractions() - before, extractions);
    // An entry the runs cannot use is dropped.
    QCOMPARE(file.exists(), entry == "keep" || extractions == 0);
}

// Media addresses in the cache that the site no longer honours: the plain download runs,
// also when the refusal comes after a part was downloaded.
void TestLauncher::refusedCachedMediaAreFetchedAgain_data()
{
    QTest::addColumn<QByteArrayList>("refused");
    QTest::newRow("before any progress") << QByteArrayList{"/old/video.mp4", "/old/audio.m4a"};
    QTest::newRow("after progress") << QByteArrayList{"/old/audio.m4a"};
}

void TestLauncher::refusedCachedMediaAreFetchedAgain()
{
    QFETCH(QByteArrayList, refused);
    QDir(infoCache()).removeRecursively();
    QDir(outputDir()).removeRecursively();
    prepareOutputDir();
    const QString id = QLatin1String(OfflineSite::videoId);
    site.serveInfo(site.info("/old"));
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QCOMPARE(runLauncher({QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                          QStringLiteral("--no-warnings"), id},
                         environment)
                 .exitCode,
             0);
    site.serveMedia("/old");
    for (const QByteArray &file : std::as_const(refused))
        site.server().route(file, {403, "text/plain", "expired"});
    site.serveMedia("/new");
    site.serveInfo(site.info("/new"));

    const int before = site.extractions();
    const Run run =
        runLauncher(ToolRuns::downloadArguments(137, home.dataDir(), outputDir(), id), environment);
    site.serveInfo(site.info());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.err.contains(ToolFailure::noteLine({ToolFailure::Step::FreshExtraction, {}})));
    QCOMPARE(site.extractions() - before, 1);
    QVERIFY(site.server().requestedPaths().contains("/old/video.mp4") ||
            site.server().requestedPaths().contains("/old/audio.m4a"));
    QVERIFY(
        QFile::exists(outputDir() + QStringLiteral("/Test Video Title_320x180_abc123XYZ_0.mp4")));
}

// A site that changed: the run's failure decides what the launcher tries by itself, each
// step once, and tells the engine of each on standard error.
void TestLauncher::recoversFromTheSiteChanging_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("installed"); // the managed yt-dlp before the run
    QTest::addColumn<QString>("needs");     // the release the site now needs; empty: none
    QTest::addColumn<QString>("refusal");   // the site's own refusal; empty: none
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("releaseFetches"); // of anything from a release host

    const QString recovering = QStringLiteral("[kestrel2] recovering: ");
    QTest::newRow("newer stable release, installed at once")
        << QStringLiteral("automatic") << QStringLiteral("2098.01.01")
        << QStringLiteral("2099.01.01") << QString() << true
        << QStringList{recovering + QStringLiteral("looking-for-update"),
                       recovering + QStringLiteral("updating 2099.01.01"),
                       recovering + QStringLiteral("updated 2099.01.01")}
        << 5;
    QTest::newRow("only the nightly build, Automatic")
        << QStringLiteral("automatic") << QStringLiteral("2099.01.01")
        << QStringLiteral("2099.01.02") << QString() << true
        << QStringList{recovering + QStringLiteral("looking-for-update"),
                       recovering + QStringLiteral("no-update"),
                       recovering + QStringLiteral("nightly"),
                       recovering + QStringLiteral("nightly 2099.01.02.010203")}
        << 6;
    QTest::newRow("only the nightly build, Stable")
        << QStringLiteral("stable") << QStringLiteral("2099.01.01") << QStringLiteral("2099.01.02")
        << QString() << false
        << QStringList{recovering + QStringLiteral("looking-for-update"),
                       recovering + QStringLiteral("no-update")}
        << 4;
    QTest::newRow("video unavailable: no retry")
        << QStringLiteral("automatic") << QStringLiteral("2098.01.01") << QString()
        << QStringLiteral("Video unavailable") << false << QStringList() << 0;
}

void TestLauncher::recoversFromTheSiteChanging()
{
    QFETCH(QString, channel);
    QFETCH(QString, installed);
    QFETCH(QString, needs);
    QFETCH(QString, refusal);
    QFETCH(bool, succeeds);
    QFETCH(QStringList, steps);
    QFETCH(int, releaseFetches);

    QProcessEnvironment environment = freshHome();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("CLIPMOOR_NIGHTLY_RELEASES"),
                       QString::fromLatin1(releases.url("/nightly")));
    QVERIFY(QDir().mkpath(managed(environment)));
    QVERIFY(QFile::copy(testRelease(qPrintable(QStringLiteral("yt-dlp-") + installed)),
                        managed(environment, "yt-dlp")));
    QSettings settings(managed(environment, "../settings.ini"), QSettings::IniFormat);
    settings.setValue(QLatin1String(ToolRuns::channelKey), channel);
    settings.sync();
    serveRelease(newYtDlp, deno, QByteArray(), "2099.01.01");
    const QByteArray nightly = readAll(testRelease("yt-dlp-2099.01.02.010203"));
    releases.route("/nightly/SHA2-256SUMS",
                   {200, "text/plain", sha256(nightly) + "  " + ytDlpFile() + "\n"});
    releases.route("/nightly/" + ytDlpFile(), {200, "application/octet-stream", nightly});
    QJsonObject info = site.info();
    const QString id = QStringLiteral("siteChange0");
    info.insert(QStringLiteral("id"), id);
    if (!needs.isEmpty())
        info.insert(QStringLiteral("clipmoor_needs"), needs);
    if (!refusal.isEmpty())
        info.insert(QStringLiteral("clipmoor_error"), refusal);
    site.serveInfo(info);

    const auto stepsOf = [](const Run &run) {
        QStringList told;
        for (const QByteArray &line : run.err.split('\n')) {
            if (ToolFailure::parseNoteLine(QString::fromUtf8(line)))
                told.append(QString::fromUtf8(line));
        }
        return told;
    };
    qsizetype before = releases.requestedPaths().size();
    const Run run = runLauncher(ToolRuns::metadataArguments(id), environment);
    QVERIFY2((run.exitCode == 0) == succeeds, run.err.constData());
    QCOMPARE(stepsOf(run), steps);
    QCOMPARE(releases.requestedPaths().size() - before, releaseFetches);
    // Trying the same video again soon after climbs none of the steps again.
    if (!succeeds && !steps.isEmpty()) {
        before = releases.requestedPaths().size();
        const Run again = runLauncher(ToolRuns::metadataArguments(id), environment);
        QVERIFY2(again.exitCode != 0 && again.err.contains("ERROR: "), again.err.constData());
        QCOMPARE(stepsOf(again), QStringList());
        QCOMPARE(releases.requestedPaths().size(), before);
    }
    site.serveInfo(site.info());
    if (succeeds)
        QCOMPARE(run.out, QByteArray(OfflineSite::title) + "\n3:33\n");
    else
        QVERIFY2(run.err.contains("ERROR: "), run.err.constData());
    // The nightly build, once fetched, stays beside the stable one for the runs to come.
    QCOMPARE(QFileInfo::exists(managed(environment, "yt-dlp-nightly")), steps.size() == 4);
}

// A stop while the launcher fetches a newer yt-dlp or the nightly build ends the run and
// everything it started; what was installed stays as it was.
void TestLauncher::cancelEndsTheRecovery_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<int>("step"); // ToolFailure::Step at which the user stops
    QTest::newRow("looking for a newer release")
        << QStringLiteral("stable") << int(ToolFailure::Step::LookingForUpdate);
    QTest::newRow("trying the nightly build")
        << QStringLiteral("automatic") << int(ToolFailure::Step::Nightly);
}

void TestLauncher::cancelEndsTheRecovery()
{
    QFETCH(QString, channel);
    QFETCH(int, step);
    const QString managedYtDlp = home.dataDir() + QStringLiteral("/managed/yt-dlp");
    const QByteArray installed = readAll(managedYtDlp);
    // Another release than the one installed for the stable channel, the same for the other.
    const bool newer = step == int(ToolFailure::Step::LookingForUpdate);
    const QByteArray stable = newer ? oldYtDlp : installed;
    HttpServer::Response slow{200, "application/octet-stream", stable};
    slow.delayMs = 60000;
    releases.route("/yt/SHA2-256SUMS",
                   {200, "text/plain", sha256(stable) + "  " + ytDlpFile() + "\n"});
    releases.route("/yt/" + ytDlpFile(), slow);
    releases.route("/nightly/SHA2-256SUMS",
                   {200, "text/plain", sha256(oldYtDlp) + "  " + ytDlpFile() + "\n"});
    slow.body = oldYtDlp;
    releases.route("/nightly/" + ytDlpFile(), slow);
    qputenv("CLIPMOOR_TOOL_RELEASES", releases.url("/yt"));
    qputenv("CLIPMOOR_NIGHTLY_RELEASES", releases.url("/nightly"));
    SessionData session;
    session.settings->setValue(QLatin1String(ToolRuns::channelKey), channel);
    session.settings->sync();
    // A video of each row's own, so that nothing a row leaves for its video meets the next.
    const QString id = QStringLiteral("cancelRun%1").arg(step, 2, 10, QLatin1Char('0'));
    QJsonObject info = site.info();
    info.insert(QStringLiteral("id"), id);
    info.insert(QStringLiteral("clipmoor_needs"), QStringLiteral("2100.01.01"));
    site.serveInfo(info);

    Clipmoor engine(&session);
    QSignalSpy wrong(&engine, &Clipmoor::somethingWrong);
    connect(&engine, &Clipmoor::recovering, &engine,
            [&engine, step](const ToolFailure::Note &note) {
                if (int(note.step) == step)
                    engine.stopTool(false);
            });
    engine.requestMetadata(*Address::accept(QStringLiteral("https://youtu.be/") + id));
    if (!wrong.wait(60000)) {
        // What held the run: the managed folder, its update lock and who runs.
        QString state = QDir(home.dataDir() + QStringLiteral("/managed"))
                            .entryList(QDir::AllEntries | QDir::Hidden)
                            .join(QLatin1Char(' '));
        state +=
            QStringLiteral("\nlock: ") +
            QString::fromUtf8(readAll(home.dataDir() + QStringLiteral("/managed/.update.lock")));
        for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            const QByteArray status = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
            if (status.contains("kestrel2") || status.contains("yt-dlp") ||
                status.contains("python"))
                state += QLatin1Char('\n') + QString::fromUtf8(status.left(120));
        }
        QFAIL(qPrintable(state));
    }
    qputenv("CLIPMOOR_TOOL_RELEASES", "none");
    session.settings->remove(QLatin1String(ToolRuns::channelKey));
    QCOMPARE(wrong.at(0).at(0).value<Clipmoor::Failure>().code, Clipmoor::MetadataStopped);
    // No process of the run is left, and the tools are those of before.
    const auto runsLeft = [&id] {
        for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            if (readAll(QStringLiteral("/proc/%1/cmdline").arg(pid)).contains(id.toUtf8()))
                return true;
        }
        return false;
    };
    QTRY_VERIFY(!runsLeft());
    QCOMPARE(readAll(managedYtDlp), installed);
    QVERIFY(!QFileInfo::exists(home.dataDir() + QStringLiteral("/managed/yt-dlp-nightly")));
}

// An unpacked build replaced while a run of it goes on: the run completes, and the next
// update removes the old build.
void TestLauncher::unpackedBuildOutlivesItsReplacement()
{
    QProcessEnvironment environment = freshHome();
    const QString row = environment.value(QStringLiteral("HOME"));
    environment.insert(QStringLiteral("STANDIN_STARTED"), row + QStringLiteral("/started"));
    environment.insert(QStringLiteral("STANDIN_GO"), row + QStringLiteral("/go"));
    // As a frozen build does, the program needs its folder's other files while it runs; its
    // metadata run waits until the test lets it go on.
    const QByteArray unpacked = "#!/bin/sh\n"
                                "here=$(dirname \"$(realpath \"$0\")\")\n"
                                "case \"$1\" in\n"
                                "--version) echo 2098.01.01 ;;\n"
                                "--get-title) : >\"$STANDIN_STARTED\"\n"
                                "  while [ ! -e \"$STANDIN_GO\" ]; do sleep 0.05; done\n"
                                "  [ -f \"$here/_internal/data\" ] || exit 3\n"
                                "  printf 'Test Video Title\\n3:33\\n' ;;\n"
                                "esac\n";
    serveRelease(oldBuild, deno, zipHolding(ytDlpFile() + " _internal/data", unpacked));
    QCOMPARE(runLauncher({QStringLiteral("--update")}, environment).exitCode, 0);
    QVERIFY(QFileInfo(managed(environment, "yt-dlp")).isSymLink());
    const QString firstBuild =
        QFileInfo(QFileInfo(managed(environment, "yt-dlp")).canonicalFilePath()).path();

    QProcess running;
    running.setProcessEnvironment(environment);
    running.start(launcherPath, {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                                 QStringLiteral("--no-warnings"), QStringLiteral("slowRun0001")});
    QTRY_VERIFY(QFile::exists(environment.value(QStringLiteral("STANDIN_STARTED"))));

    serveRelease(newBuild, deno, zipHolding(ytDlpFile(), standInBuild("2099.01.01")));
    Run update = runLauncher({QStringLiteral("--update")}, environment);
    QVERIFY2(update.exitCode == 0, update.err.constData());
    QCOMPARE(runLauncher({QStringLiteral("--version")}, environment).out,
             QByteArray("2099.01.01\n"));
    QVERIFY(QFileInfo::exists(firstBuild));
    QFile go(environment.value(QStringLiteral("STANDIN_GO")));
    QVERIFY(go.open(QIODevice::WriteOnly));
    go.close();
    QTRY_COMPARE_WITH_TIMEOUT(running.state(), QProcess::NotRunning, 60000);
    QCOMPARE(running.exitCode(), 0);
    QCOMPARE(running.readAllStandardOutput(), QByteArray("Test Video Title\n3:33\n"));

    QCOMPARE(runLauncher({QStringLiteral("--update")}, environment).exitCode, 0);
    QVERIFY(!QFileInfo::exists(firstBuild));
    QCOMPARE(QDir(managed(environment) + QStringLiteral("builds"))
                 .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                 .size(),
             1);
}

// Links planted where the launcher keeps its files: it replaces them or refuses, and what
// they point at stays as it was (nothing written, removed or given other modes).
void TestLauncher::plantedLinksAreLeftAlone_data()
{
    QTest::addColumn<QStringList>("links"); // under the row's data or cache folder
    QTest::addColumn<bool>("folders");      // the links point at folders, else at files
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    const QStringList update = {QStringLiteral("--update")};
    QTest::newRow("Deno's checksum and the options cache")
        << QStringList{QStringLiteral("DATA/managed/deno.sha256"),
                       QStringLiteral("CACHE/kestrel2-options")}
        << false << update << 0;
    QTest::newRow("folder of the unpacked builds")
        << QStringList{QStringLiteral("DATA/managed/builds")} << true << update << 0;
    QTest::newRow("managed folder: refused")
        << QStringList{QStringLiteral("DATA/managed")} << true << update << 1;
    QTest::newRow("info cache folder")
        << QStringList{QStringLiteral("CACHE/info")} << true
        << QStringList{QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                       QStringLiteral("--no-warnings"), QLatin1String(OfflineSite::videoId)}
        << 0;
}

void TestLauncher::plantedLinksAreLeftAlone()
{
    QFETCH(QStringList, links);
    QFETCH(bool, folders);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    QProcessEnvironment environment = freshHome();
    serveRelease(oldBuild, deno);
    // The user's yt-dlp configuration holds the site's extractor.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    if (!arguments.contains(QStringLiteral("--update"))) {
        QVERIFY(QDir().mkpath(managed(environment)));
        QVERIFY(QFile::copy(testRelease("yt-dlp-2099.01.01"), managed(environment, "yt-dlp")));
    }
    const QString row = environment.value(QStringLiteral("HOME"));
    QStringList victims;
    for (QString &link : links) {
        link.replace(QStringLiteral("DATA"), environment.value(QStringLiteral("XDG_DATA_HOME")) +
                                                 QStringLiteral("/Quorvel/Clipmoor"));
        link.replace(QStringLiteral("CACHE"), environment.value(QStringLiteral("XDG_CACHE_HOME")) +
                                                  QStringLiteral("/Quorvel/Clipmoor"));
        // Old, open to others, and named as the launcher's own leftovers are.
        const QString victim = row + QStringLiteral("/victim%1").arg(victims.size());
        QStringList files{victim};
        if (folders) {
            QVERIFY(QDir().mkpath(victim));
            files = {victim + QStringLiteral("/.partial-old"),
                     victim + QStringLiteral("/old.info.json")};
        }
        for (const QString &name : files) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("precious\n") > 0);
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                     QFileDevice::FileModificationTime));
        }
        QVERIFY(QFile::setPermissions(
            victim, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QDir().mkpath(QFileInfo(link).path()));
        QVERIFY(QFile::link(victim, link));
        victims.append(victim);
    }
    QByteArrayList before;
    for (const QString &victim : victims)
        before.append(snapshot(victim));

    const Run run = runLauncher(arguments, environment);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0)
        QVERIFY2(run.err.startsWith("ERROR: ") && run.err.count('\n') == 1, run.err.constData());
    for (qsizetype i = 0; i < links.size(); ++i) {
        QCOMPARE(snapshot(victims.at(i)), before.at(i));
        QCOMPARE(QFileInfo(links.at(i)).isSymLink(), exitCode != 0);
    }
}

// The cache on a file system of its own, full or read-only: the metadata run prints what
// it would print without a cache, from one extraction.
void TestLauncher::unwritableCacheLeavesTheRunAlone_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("full disk") << QStringLiteral("full");
    QTest::newRow("read-only") << QStringLiteral("read-only");
}

void TestLauncher::unwritableCacheLeavesTheRunAlone()
{
    QFETCH(QString, state);
    // A small tmpfs in a mount namespace of the launcher's own.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty() ||
        QProcess::execute(unshare, {QStringLiteral("-rm"), QStringLiteral("true")}) != 0)
        QSKIP("needs unshare -rm to mount a file system of the test's own");
    const QString cache = scratch.filePath(QStringLiteral("cache-") + state);
    QVERIFY(QDir().mkpath(cache));
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=256k tmpfs \"$1\" || exit 90\n"
                       "mkdir -m 700 -p \"$1/Quorvel/Clipmoor/info\" || exit 91\n"
                       "if [ \"$2\" = full ]; then cat /dev/zero >\"$1/filler\" 2>/dev/null\n"
                       "  [ \"$(df --output=avail \"$1\" | tail -n 1)\" -eq 0 ] || exit 92\n"
                       "else mount -o remount,ro \"$1\" || exit 93; fi\n"
                       "shift 2; exec \"$@\"\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    const int before = site.extractions();
    const Run run =
        runAtOnce({{unshare,
                    {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                     QStringLiteral("sh"), cache, state, launcherPath,
                     QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                     QStringLiteral("--no-warnings"), QLatin1String(OfflineSite::videoId)}}},
                  environment)
            .at(0);
    QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), run.err.constData());
    QCOMPARE(run.out, QByteArray(OfflineSite::title) + "\n3:33\n");
    QCOMPARE(site.extractions() - before, 1);
}

CLIPMOOR_TEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
