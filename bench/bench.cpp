// Clipmoor's figures: start-up, engine overhead, parsers, memory, and a real offline
// download through the window. Prints one line per figure: name, median, unit, and the
// ratio or the target where there is one. Never part of the tests' pass or fail.
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/clipmoor.h"
#include "engine/downloadprogress.h"
#include "engine/formatparser.h"
#include "engine/formattablemodel.h"
#include "net/httpget.h"
#include "platform/platform.h"
#include "tests/support/offlinesite.h"
#include "tests/support/releasehosts.h"
#include "tests/support/testmain.h"
#include "tests/support/toolstage.h"
#include "toolruns/toolfailure.h"
#include "toolruns/toolruns.h"
#include "ui/navigation.h"
#include "updater/installerdownload.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

void report(const char *name, double value, const char *unit, const QString &note = QString())
{
    std::printf("%-44s %10.3f %-3s %s\n", name, value, unit, qPrintable(note));
    std::fflush(stdout);
}

QString target(double value, double limit, const char *unit)
{
    return QStringLiteral("(target <= %1 %2: %3)")
        .arg(limit)
        .arg(QLatin1String(unit),
             value <= limit ? QStringLiteral("met") : QStringLiteral("MISSED"));
}

// A time in ms with its ratio to a reference time and the ratio's target (none when 0).
void reportRatio(const char *name, double ms, double referenceMs, const char *reference,
                 double limit)
{
    const double ratio = ms / referenceMs;
    report(name, ms, "ms",
           QStringLiteral("ratio %1 to %2 (%3 ms) %4")
               .arg(ratio, 0, 'f', 3)
               .arg(QLatin1String(reference))
               .arg(referenceMs, 0, 'f', 1)
               .arg(limit > 0 ? target(ratio, limit, "") : QString()));
}

// The environment of a program started here: this home, a stand-in yt-dlp first on PATH,
// no update server that answers.
QProcessEnvironment childEnvironment(const TestHome &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), home.path() + QStringLiteral("/bin:") +
                                                   environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("CLIPMOOR_UPDATE_SERVER"),
                       QStringLiteral("http://127.0.0.1:9"));
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"), QStringLiteral("none"));
    environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"), QStringLiteral("none"));
    return environment;
}

double runMs(const QString &program, const QStringList &arguments,
             const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.waitForFinished(60000);
    return clock.nsecsElapsed() / 1e6;
}

// Runs the program until its log shows the window on the address page; returns the
// process time of that line and the peak resident size then (kB).
std::pair<double, double> untilShown(const QStringList &arguments, const QProcessEnvironment &base,
                                     int settleMs)
{
    QProcessEnvironment environment = base;
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"),
                       QStringLiteral("%{time process} %{message}"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.debug=true"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(CLIPMOOR_BIN_DIR "/Clipmoor"), arguments);
    double shownAt = -1;
    QByteArray log;
    QElapsedTimer clock;
    clock.start();
    while (shownAt < 0 && clock.elapsed() < 20000 && process.waitForReadyRead(2000)) {
        log += process.readAll();
        const qsizetype at = log.indexOf("void Navigation::showMainWindow() :");
        if (at >= 0) {
            const qsizetype begin = log.lastIndexOf('\n', at) + 1;
            shownAt = log.mid(begin, at - begin).simplified().split(' ').value(0).toDouble() * 1000;
        }
    }
    QTest::qWait(settleMs);
    double peak = 0;
    QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
    if (status.open(QIODevice::ReadOnly)) {
        const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+)"));
        peak = hwm.match(QString::fromLatin1(status.readAll())).captured(1).toDouble();
    }
    process.kill();
    process.waitForFinished();
    return {shownAt, peak};
}

// The first installation of both tools through the rehearsal of the release hosts
// (two redirects each), against the same bytes fetched directly, one request per file.
void firstInstall(const QProcessEnvironment &base, int repeats)
{
    ReleaseHosts hosts;
    if (!hosts.start() || !publishYtDlp(hosts) || !publishDeno(hosts)) {
        std::printf("first install: no release hosts: %s\n", qPrintable(hosts.error()));
        return;
    }
    QProcessEnvironment environment = base;
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"),
                       hosts.releaseBase(QStringLiteral("yt-dlp/yt-dlp")));
    environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"),
                       hosts.releaseBase(QStringLiteral("denoland/deno")));
    HttpServer direct;
    direct.listen();
    direct.serveFile("/yt-dlp", testRelease("yt-dlp-2099.01.01"), "application/octet-stream");
    direct.serveFile("/deno.zip", testRelease("deno-2.5.0.zip"), "application/zip");
    QNetworkAccessManager manager;
    HttpGet::Limits limits;
    limits.maxBytes = qint64(512) * 1024 * 1024;

    QTemporaryDir homes;
    QList<double> installs, fetches;
    for (int i = 0; i < repeats; ++i) {
        environment.insert(QStringLiteral("XDG_DATA_HOME"), homes.filePath(QString::number(i)));
        installs.append(runMs(QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2"),
                              {QStringLiteral("--update")}, environment));
        QElapsedTimer clock;
        clock.start();
        for (const QByteArray path : {"/yt-dlp", "/deno.zip"})
            (void)HttpGet::fetch(manager, QUrl::fromEncoded(direct.url(path)), nullptr, limits);
        fetches.append(clock.nsecsElapsed() / 1e6);
    }
    reportRatio("first install: both tools, rehearsal (HTTP)", median(installs), median(fetches),
                "the same bytes, one request each", 0);
}

// A run through the launcher with the event loop going, for the site lives here.
struct LauncherRun {
    int exitCode = -1;
    QByteArray err;
    double ms = 0;
};

LauncherRun launcherRun(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2"), arguments);
    (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 600000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError(), clock.nsecsElapsed() / 1e6};
}

// The site changes in the ways the launcher recovers from by itself (and two it must not
// try to): how many runs ended well without the user, and how long each took.
void recoveries(OfflineSite &site, const QString &toolFolder)
{
    HttpServer releases;
    if (!releases.listen())
        return;
    const auto sums = [](const QByteArray &bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " +
               QFile::encodeName(ytDlpAssetName()) + "\n";
    };
    const auto serve = [&](const QByteArray &base, const char *release) {
        QFile file(testRelease(release));
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        releases.route(base + "/SHA2-256SUMS", {200, "text/plain", sums(bytes)});
        releases.route(base + '/' + QFile::encodeName(ytDlpAssetName()),
                       {200, "application/octet-stream", bytes});
    };
    serve("/yt", "yt-dlp-2099.01.01");
    serve("/nightly", "yt-dlp-2099.01.02.010203");
    struct Scenario {
        const char *name;
        const char *channel;
        const char *installed;
        const char *needs;
        const char *refusal;
        bool storedInfoRefused;
        bool expected;
    };
    const Scenario scenarios[] = {
        {"stored media refused, asked afresh", "automatic", "2099.01.01", "", "", true, true},
        {"newer stable release needed", "automatic", "2098.01.01", "2099.01.01", "", false, true},
        {"nightly build needed, Automatic", "automatic", "2099.01.01", "2099.01.02", "", false,
         true},
        {"nightly build needed, Stable", "stable", "2099.01.01", "2099.01.02", "", false, false},
        {"video unavailable", "automatic", "2099.01.01", "", "Video unavailable", false, false},
    };
    QTemporaryDir homes;
    int recovered = 0;
    int expected = 0;
    const QString id = QStringLiteral("recovery001");
    for (const Scenario &scenario : scenarios) {
        const QString data = homes.filePath(QString::number(&scenario - scenarios));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), data + QStringLiteral("/cache"));
        environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"),
                           QString::fromLatin1(releases.url("/yt")));
        environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"), QStringLiteral("none"));
        environment.insert(QStringLiteral("CLIPMOOR_NIGHTLY_RELEASES"),
                           QString::fromLatin1(releases.url("/nightly")));
        const QString managed = data + QStringLiteral("/data/Quorvel/Clipmoor/managed");
        QDir().mkpath(managed);
        QFile::copy(
            testRelease(qPrintable(QStringLiteral("yt-dlp-") + QLatin1String(scenario.installed))),
            managed + QStringLiteral("/yt-dlp"));
        QSettings(managed + QStringLiteral("/../settings.ini"), QSettings::IniFormat)
            .setValue(QLatin1String(ToolRuns::channelKey), QLatin1String(scenario.channel));

        QJsonObject info = site.info();
        info.insert(QStringLiteral("id"), id);
        if (*scenario.needs)
            info.insert(QStringLiteral("clipmoor_needs"), QLatin1String(scenario.needs));
        if (*scenario.refusal)
            info.insert(QStringLiteral("clipmoor_error"), QLatin1String(scenario.refusal));
        LauncherRun run;
        if (scenario.storedInfoRefused) {
            QJsonObject old = site.info("/stale");
            old.insert(QStringLiteral("id"), id);
            site.serveMedia("/stale");
            site.serveInfo(old);
            launcherRun(ToolRuns::metadataArguments(id), environment);
            for (const QByteArray file : {"/stale/video.mp4", "/stale/audio.m4a"})
                site.server().route(file, {403, "text/plain", "expired"});
            site.serveInfo(info);
            run = launcherRun(ToolRuns::downloadArguments(
                                  137, toolFolder, homes.filePath(QStringLiteral("out")), id),
                              environment);
        } else {
            site.serveInfo(info);
            run = launcherRun(ToolRuns::metadataArguments(id), environment);
        }
        int steps = 0;
        QString last; // the last step told, with its detail
        for (const QByteArray &line : run.err.split('\n')) {
            if (ToolFailure::parseNoteLine(QString::fromUtf8(line))) {
                ++steps;
                last = QString::fromUtf8(line);
            }
        }
        const bool ok = run.exitCode == 0 && steps > 0;
        if (ok != scenario.expected)
            std::printf("recovery: %s: last step \"%s\"\n", scenario.name, qPrintable(last));
        recovered += ok ? 1 : 0;
        expected += scenario.expected ? 1 : 0;
        report(qPrintable(QStringLiteral("recovery: ") + QLatin1String(scenario.name)), run.ms,
               "ms",
               QStringLiteral("%1 without the user, %2 steps; goal: %3")
                   .arg(ok ? QStringLiteral("recovered") : QStringLiteral("not recovered"))
                   .arg(steps)
                   .arg(scenario.expected ? QStringLiteral("recovered")
                                          : QStringLiteral("a plain message")));
    }
    report("recovery: recovered without the user", recovered, "",
           QStringLiteral("of %1 scenarios; goal %2").arg(std::size(scenarios)).arg(expected));
}

// The longest time the event loop is held, seen by a timer that should tick every ms.
class StallProbe {
public:
    StallProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] { look(); });
    }
    void start()
    {
        tick.start();
        timer.start(1);
    }
    // Stops watching and counts the time since the last tick too.
    void stop()
    {
        look();
        timer.stop();
    }
    double longestMs = 0;

private:
    void look()
    {
        longestMs = std::max(longestMs, tick.nsecsElapsed() / 1e6);
        tick.restart();
    }
    QElapsedTimer tick;
    QTimer timer;
};

// A child's peak resident size (MB) while it runs, polled from /proc until it ends.
double childPeakMb(QProcess &process, int timeoutMs)
{
    const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+)"));
    QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
    double peakKb = 0;
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(5) && clock.elapsed() < timeoutMs) {
        if (status.isOpen() || status.open(QIODevice::ReadOnly)) {
            status.seek(0);
            peakKb = std::max(
                peakKb, hwm.match(QString::fromLatin1(status.readAll())).captured(1).toDouble());
        }
    }
    process.kill();
    process.waitForFinished();
    return peakKb / 1024;
}

// Servers that send without end at loopback speed, against the three clients that fetch
// with a limit: kestrel2's update (a release file, 512 MiB; its sums, 1 MiB, chunked) and
// the updater's installer download (1 GiB), each with its peak memory.
void floodedClients(const QProcessEnvironment &base)
{
    ThreadedHttpServer flood;
    const QString ytDlp = Platform::toolReleaseFiles().ytDlp;
    HttpServer::Response endless{200, "application/octet-stream", QByteArray(64 * 1024, 'z')};
    endless.endless = true;
    flood.server().route("/yt/" + ytDlp.toUtf8(), endless);
    flood.server().route("/installer.run", endless);
    flood.server().route("/yt/SHA2-256SUMS",
                         {200, "text/plain", QByteArray(64, 'a') + "  " + ytDlp.toUtf8() + '\n'});
    HttpServer::Response chunked = endless;
    chunked.chunked = true;
    chunked.body = QByteArray(64 * 1024, '0');
    flood.server().route("/sums/SHA2-256SUMS", chunked);
    if (!flood.listen()) {
        std::printf("flooded clients: no server\n");
        return;
    }
    QTemporaryDir homes;
    const auto update = [&](const QByteArray &releases, const char *name, double limitMb,
                            QProcessEnvironment environment) {
        environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"), QString::fromUtf8(releases));
        environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"), QStringLiteral("none"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), homes.filePath(QLatin1String(name)));
        QProcess launcher;
        launcher.setProcessEnvironment(environment);
        launcher.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        launcher.start(QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2"), {QStringLiteral("--update")});
        QElapsedTimer clock;
        clock.start();
        launcher.waitForStarted();
        const double peak = childPeakMb(launcher, 120000);
        report(name, peak, "MB",
               QStringLiteral("limit %1 MB; ended after %2 s: %3")
                   .arg(limitMb)
                   .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
                   .arg(QString::fromUtf8(launcher.readAllStandardError().trimmed().left(160))));
    };
    update(flood.server().url("/yt"), "memory: endless release file, kestrel2", 512, base);
    update(flood.server().url("/sums"), "memory: endless chunked sums, kestrel2", 1, base);

    // A release file just under the limit from the TLS and HTTP/2 host, all of it at full
    // speed (it comes over HTTP/1.1).
    {
        ReleaseHosts hosts;
        QTemporaryDir dir;
        QFile huge(dir.filePath(QStringLiteral("huge")));
        if (hosts.start(ReleaseHosts::Transport::Https) && huge.open(QIODevice::WriteOnly) &&
            huge.resize(qint64(500) << 20) &&
            hosts.publish(QStringLiteral("yt-dlp/yt-dlp"), QStringLiteral("2099.01.01"),
                          QStringLiteral("SHA2-256SUMS"),
                          QByteArray(64, 'a') + "  " + ytDlp.toUtf8() + '\n') &&
            hosts.publishFile(QStringLiteral("yt-dlp/yt-dlp"), QStringLiteral("2099.01.01"), ytDlp,
                              huge.fileName())) {
            QProcessEnvironment environment = base;
            environment.insert(QStringLiteral("CLIPMOOR_EXTRA_CA"), hosts.caFile());
            update(hosts.releaseBase(QStringLiteral("yt-dlp/yt-dlp")).toUtf8(),
                   "memory: 500 MiB release file, TLS host", 512, environment);
        } else {
            std::printf("memory over HTTP/2: no release hosts: %s\n", qPrintable(hosts.error()));
        }
    }

    // Without its progress lines.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const double before = residentKiB() / 1024.0;
    resetPeakMemory();
    double after = 0;
    {
        InstallerDownload download;
        QSignalSpy failed(&download, &InstallerDownload::failed);
        (void)download.start(QUrl::fromEncoded(flood.server().url("/installer.run")),
                             homes.filePath(QStringLiteral("installer.run")), QString());
        (void)failed.wait(120000);
        QTest::qWait(200); // the reply's own deletion
        after = residentKiB() / 1024.0;
    }
    qInstallMessageHandler(previous);
    report("memory: endless installer, peak over start", residentKiB(true) / 1024.0 - before, "MB",
           QStringLiteral("limit 1024 MB; %1 MB more than at its start once refused")
               .arg(after - before, 0, 'f', 1));
}

QString listing(int lines)
{
    QString text = QStringLiteral(
        "ID  EXT   RESOLUTION FPS |   FILESIZE   TBR PROTO | VCODEC  VBR ACODEC ABR\n");
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral(
                    "%1 mp4 %2x%3 30 | %4.%5MiB 1000k https | avc1.4d401f 1000k video only 720p\n")
                    .arg(100 + i)
                    .arg(640 + i)
                    .arg(360 + i)
                    .arg(i % 900)
                    .arg(i % 100);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    TestHome home;
    QApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    const bool memoryOnly = argc > 1 && qstrcmp(argv[1], "memory") == 0;
    const int repeats = argc > 1 && !memoryOnly ? QString::fromLocal8Bit(argv[1]).toInt() : 11;

    QDir().mkpath(home.path() + QStringLiteral("/bin"));
    QFile::copy(QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/fake-yt-dlp.sh"),
                home.path() + QStringLiteral("/bin/yt-dlp"));
    const QProcessEnvironment environment = childEnvironment(home);
    QProcessEnvironment realTool = environment;
    realTool.insert(QStringLiteral("PATH"),
                    QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH")));

    floodedClients(environment);
    if (memoryOnly)
        return 0;

    // Start-up of the whole process against the downloader's own.
    QList<double> ours, tool;
    runMs(QStringLiteral(CLIPMOOR_BIN_DIR "/Clipmoor"), {QStringLiteral("--version")}, environment);
    for (int i = 0; i < repeats; ++i) {
        ours.append(runMs(QStringLiteral(CLIPMOOR_BIN_DIR "/Clipmoor"),
                          {QStringLiteral("--version")}, environment));
        tool.append(runMs(QStringLiteral("yt-dlp"), {QStringLiteral("--version")}, realTool));
    }
    reportRatio("startup: Clipmoor --version", median(ours), median(tool), "yt-dlp --version", 0.2);
    firstInstall(environment, qMax(3, repeats / 2));

    QList<double> shown, memory, updaterMemory;
    for (int i = 0; i < qMax(3, repeats / 2); ++i) {
        const auto [at, peak] = untilShown({}, environment, 300);
        shown.append(at);
        memory.append(peak / 1024);
        updaterMemory.append(
            untilShown({QStringLiteral("--update-as"), QStringLiteral("2000")}, environment, 2500)
                .second /
            1024);
    }
    report("startup: process start to address page", median(shown), "ms",
           target(median(shown), 80, "ms"));
    report("memory: peak resident, window shown", median(memory), "MB",
           target(median(memory), 40, "MB"));
    report("memory: peak resident, updater window open", median(updaterMemory), "MB",
           target(median(updaterMemory), 100, "MB"));

    // Engine overhead with a stand-in tool that answers at once.
    prepareOutputDir();
    ToolStage stage(home.dataDir());
    stage.install();
    stage.setScript(QStringLiteral("case \"$1\" in --get-title) printf 'T\\n1:00\\n' ;; "
                                   "--list-formats) printf '18 mp4 1x1 | 1MiB\\n' ;; esac\n"));
    {
        Clipmoor engine;
        QSignalSpy formats(&engine, &Clipmoor::haveFormats);
        QSignalSpy updated(&engine, &Clipmoor::resultUpdateBinary);
        QList<double> both, one, shell;
        for (int i = 0; i < repeats; ++i) {
            QElapsedTimer clock;
            clock.start();
            engine.setUrl(QStringLiteral("https://youtu.be/abc"));
            engine.requestMetadata();
            formats.wait(10000);
            both.append(clock.nsecsElapsed() / 1e6);
            clock.restart();
            engine.updateBinary(false);
            updated.wait(10000);
            one.append(clock.nsecsElapsed() / 1e6);
            // The stand-in shell's own cost, for reference.
            clock.restart();
            QProcess bare;
            bare.start(stage.toolPath(), {QStringLiteral("--update")});
            bare.waitForFinished();
            shell.append(clock.nsecsElapsed() / 1e6);
        }
        report("engine: setUrl to haveFormats (two runs)", median(both), "ms",
               target(median(both), 15, "ms"));
        report("engine: one run, spawn to handler", median(one), "ms",
               QStringLiteral("%1; the stand-in alone takes %2 ms")
                   .arg(target(median(one), 5, "ms"))
                   .arg(median(shell), 0, 'f', 2));
        report("engine: overhead over the stand-in", median(one) - median(shell), "ms");

        // Stopping a download whose tool tree has a member that ignores SIGTERM: the longest
        // hold of the event loop from the request to stop until the run reports.
        stage.setScript(QStringLiteral("trap '' TERM; (trap '' TERM; sleep 300) & sleep 300 &\n"
                                       "echo $! > \"$here/child.$$\"; wait"));
        QSignalSpy stopped(&engine, &Clipmoor::somethingWrong);
        QList<double> stalls;
        for (int i = 0; i < repeats; ++i) {
            const qsizetype before = stage.runs().size();
            sessionData()->video.toolTarget = QStringLiteral("abc");
            engine.requestVideo(18);
            (void)QTest::qWaitFor(
                [&] {
                    return stage.runs().size() > before &&
                           QFile::exists(stage.file(
                               QStringLiteral("child.%1").arg(stage.runs().constLast())));
                },
                10000);
            stopped.clear();
            StallProbe probe;
            probe.start();
            engine.stopTool(false);
            (void)stopped.wait(30000);
            probe.stop();
            stalls.append(probe.longestMs);
        }
        report("stop: longest event-loop stall", median(stalls), "ms",
               QStringLiteral("%1; worst %2 ms")
                   .arg(target(median(stalls), 30, "ms"))
                   .arg(*std::max_element(stalls.cbegin(), stalls.cend()), 0, 'f', 1));
    }

    // Parsers.
    {
        const QString thousand = listing(1000);
        QList<double> times;
        for (int i = 0; i < 51; ++i) {
            QElapsedTimer clock;
            clock.start();
            const FormatList list = parseFormatList(thousand);
            times.append(clock.nsecsElapsed() / 1e6);
            Q_UNUSED(list);
        }
        report("parser: 1000-line format listing", median(times), "ms",
               target(median(times), 2, "ms"));
        const QString chunk =
            QStringLiteral("\r[download]  45.3% of   12.34MiB at    1.23MiB/s ETA 00:07");
        QList<double> chunks;
        for (int round = 0; round < 21; ++round) {
            QElapsedTimer clock;
            clock.start();
            DownloadProgress progress;
            int sum = 0;
            for (int i = 0; i < 10000; ++i) {
                progress.take(chunk);
                sum += progress.chunkPercent().value_or(0);
            }
            chunks.append(clock.nsecsElapsed() / 1e3 / 10000);
            Q_UNUSED(sum);
        }
        report("parser: one progress chunk", median(chunks), "us",
               target(median(chunks), 20, "us"));
    }

    // A real download through the window, at a limited rate, against the same command run directly.
    {
        OfflineSite site;
        if (!site.start(8, 256 * 1024) || !site.stage(home.dataDir())) {
            std::fprintf(stderr, "offline site: %s\n", qPrintable(site.error()));
            return 1;
        }
        // What the launcher adds to each run of the managed yt-dlp it starts.
        {
            const QProcessEnvironment direct = QProcessEnvironment::systemEnvironment();
            const QString launcher = home.dataDir() + QStringLiteral("/kestrel2");
            const QString ytDlp = home.dataDir() + QStringLiteral("/managed/yt-dlp");
            const QStringList version = {QStringLiteral("--version")};
            runMs(launcher, version, direct);
            QList<double> through, alone;
            for (int i = 0; i < 11; ++i) {
                through.append(runMs(launcher, version, direct));
                alone.append(runMs(ytDlp, version, direct));
            }
            report("launcher: overhead per run", median(through) - median(alone), "ms",
                   QStringLiteral("%1 ms through kestrel2, %2 ms direct")
                       .arg(median(through), 0, 'f', 1)
                       .arg(median(alone), 0, 'f', 1));
        }
        QDir(outputDir()).removeRecursively();
        prepareOutputDir();
        // The launcher learns once what this yt-dlp supports; not part of either figure.
        QProcess warm;
        warm.start(
            home.dataDir() + QStringLiteral("/kestrel2"),
            {QStringLiteral("--progress-delta"), QStringLiteral("1"), QStringLiteral("--version")});
        (void)QTest::qWaitFor([&] { return warm.state() == QProcess::NotRunning; }, 30000);

        Navigation window;
        window.showMainWindow();
        (void)QTest::qWaitForWindowExposed(&window);
        auto *table = window.findChild<QTableView *>(QStringLiteral("tableView"));
        QWidget *done = window.findChild<QWidget *>(QStringLiteral("label_DL_OK"));
        Clipmoor::instance().setUrl(QStringLiteral("https://youtu.be/abc123XYZ_0"));
        emit window.requestMetadata();
        (void)QTest::qWaitFor([&] { return table->model() && table->model()->rowCount() > 0; },
                              60000);

        StallProbe probe;
        auto *back = window.findChild<QPushButton *>(QStringLiteral("btn_Back_Last"));
        const QStringList arguments = ToolRuns::downloadArguments(137, home.dataDir(), outputDir(),
                                                                  QStringLiteral("abc123XYZ_0"));

        // Rounds alternate between the window and the same command run directly.
        QList<double> through, alone;
        for (int round = 0; round < 3; ++round) {
            QElapsedTimer clock;
            clock.start();
            probe.start();
            emit table->doubleClicked(table->model()->index(0, FormatTableModel::TypeColumn));
            (void)QTest::qWaitFor([&] { return done->isVisible(); }, 120000);
            probe.stop();
            through.append(clock.nsecsElapsed() / 1e6);
            back->click();

            QProcess direct;
            direct.setWorkingDirectory(home.dataDir());
            clock.restart();
            direct.start(home.dataDir() + QStringLiteral("/kestrel2"), arguments);
            // Waits with the event loop running: the server lives in this process.
            (void)QTest::qWaitFor([&] { return direct.state() == QProcess::NotRunning; }, 120000);
            alone.append(clock.nsecsElapsed() / 1e6);
        }
        report("download: longest event-loop hold", probe.longestMs, "ms",
               target(probe.longestMs, 30, "ms"));
        reportRatio("download: through the window", median(through), median(alone),
                    "the command run directly", 1.05);

        // One video from paste to finished file against a site whose every extraction takes a
        // second, with the launcher's info cache and with its folder blocked.
        const QString cache = home.path() + QStringLiteral("/.cache/Quorvel/Clipmoor/info");
        const QString id = QLatin1String(OfflineSite::videoId);
        HttpServer::Response slowSite{200, "application/json", QJsonDocument(site.info()).toJson()};
        slowSite.delayMs = 1000;
        site.server().route("/watch/" + id.toUtf8(), slowSite);
        // The managed yt-dlp notes each of its starts, so that they are counted.
        const QString managedYtDlp = home.dataDir() + QStringLiteral("/managed/yt-dlp");
        const QString realYtDlp = home.path() + QStringLiteral("/yt-dlp-real");
        const QString starts = home.path() + QStringLiteral("/yt-dlp-starts");
        QFile::rename(managedYtDlp, realYtDlp);
        {
            QFile wrapper(managedYtDlp);
            (void)wrapper.open(QIODevice::WriteOnly);
            wrapper.write("#!/bin/sh\necho \"$1\" >>'" + QFile::encodeName(starts) +
                          "'\nexec /usr/bin/python3 '" + QFile::encodeName(realYtDlp) +
                          "' \"$@\"\n");
            wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const auto startCount = [&] {
            QFile log(starts);
            return log.open(QIODevice::ReadOnly) ? double(log.readAll().count('\n')) : 0.0;
        };
        // Waits with the event loop running: the site lives in this process.
        const auto timedRun = [](const QString &program, const QStringList &given) {
            QProcess process;
            QElapsedTimer clock;
            clock.start();
            process.start(program, given);
            (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 120000);
            return clock.nsecsElapsed() / 1e6;
        };
        QSignalSpy formats(&Clipmoor::instance(), &Clipmoor::haveFormats);
        struct Road {
            QList<double> table, file, extractions, tableStarts, fileStarts;
        } cached, plain;
        QList<double> dumps, listings, listingStarts;
        for (int round = 0; round < 6; ++round) {
            const bool useCache = round % 2 == 0;
            Road &road = useCache ? cached : plain;
            QDir(cache).removeRecursively();
            QFile::remove(cache);
            if (!useCache) {
                QFile blocker(cache);
                (void)blocker.open(QIODevice::WriteOnly);
            }
            if (useCache)
                dumps.append(timedRun(realYtDlp, {QStringLiteral("-J"), id}));
            const int before = site.extractions();
            const double startsBefore = startCount();
            formats.clear();
            QElapsedTimer clock;
            clock.start();
            Clipmoor::instance().setUrl(QStringLiteral("https://youtu.be/") + id);
            emit window.requestMetadata();
            (void)formats.wait(60000);
            road.table.append(clock.nsecsElapsed() / 1e6);
            road.tableStarts.append(startCount() - startsBefore);
            emit table->doubleClicked(table->model()->index(0, FormatTableModel::TypeColumn));
            (void)QTest::qWaitFor([&] { return done->isVisible(); }, 120000);
            road.file.append(clock.nsecsElapsed() / 1e6);
            road.fileStarts.append(startCount() - startsBefore);
            road.extractions.append(site.extractions() - before);
            back->click();
            if (useCache) {
                const double listingBefore = startCount();
                listings.append(timedRun(home.dataDir() + QStringLiteral("/kestrel2"),
                                         ToolRuns::listingArguments(id)));
                listingStarts.append(startCount() - listingBefore);
            }
        }
        // The same video copied before Enter: prepared as the field is filled, then asked for.
        QList<double> prepared, preparedStarts;
        for (int round = 0; round < 3; ++round) {
            QDir(cache).removeRecursively();
            QFile::remove(cache);
            const QString address = QStringLiteral("https://youtu.be/") + id;
            Clipmoor::instance().prepare(address);
            (void)QTest::qWaitFor(
                [&] {
                    return !QDir(cache)
                                .entryList({QStringLiteral("*.info.json")}, QDir::Files)
                                .isEmpty();
                },
                60000);
            const double startsBefore = startCount();
            formats.clear();
            QElapsedTimer clock;
            clock.start();
            Clipmoor::instance().setUrl(address);
            emit window.requestMetadata();
            (void)formats.wait(60000);
            prepared.append(clock.nsecsElapsed() / 1e6);
            emit table->doubleClicked(table->model()->index(0, FormatTableModel::TypeColumn));
            (void)QTest::qWaitFor([&] { return done->isVisible(); }, 120000);
            preparedStarts.append(startCount() - startsBefore);
            back->click();
        }
        QFile::remove(cache);
        reportRatio("copied video: Enter to table, to one yt-dlp -J", median(prepared),
                    median(dumps), "one plain yt-dlp -J", 0.1);
        reportRatio("copied video: Enter to table, to paste to table", median(prepared),
                    median(cached.table), "paste to table without preparing", 0);
        report("copied video: tool starts, Enter to file", median(preparedStarts), "",
               QStringLiteral("goal 1"));
        report("one video: extractions, paste to file", median(cached.extractions), "",
               QStringLiteral("%1 without the cache; goal 1").arg(median(plain.extractions)));
        reportRatio("one video: paste to table", median(cached.table), median(plain.table),
                    "without the cache", 1.0);
        reportRatio("one video: paste to file", median(cached.file), median(plain.file),
                    "without the cache", 1.0);
        reportRatio("one video: paste to table, to one yt-dlp -J", median(cached.table),
                    median(dumps), "one plain yt-dlp -J", 1.1);
        report("one video: tool starts, paste to table", median(cached.tableStarts), "",
               QStringLiteral("%1 without the cache; goal 1").arg(median(plain.tableStarts)));
        report("one video: tool starts, paste to file", median(cached.fileStarts), "",
               QStringLiteral("%1 without the cache; goal 2").arg(median(plain.fileStarts)));
        report("one video: listing run through the launcher", median(listings), "ms",
               QStringLiteral("%1 tool starts; goal 0").arg(median(listingStarts)));
        recoveries(site, home.dataDir());
    }
    return 0;
}
