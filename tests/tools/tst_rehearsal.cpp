// First starts against a rehearsal of the real release hosts: their paths, two redirects
// to another host, over plain HTTP and over TLS with HTTP/2 through nginx.
#include "tests/support/releasehosts.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int firstStarts = 2;
const QString launcherPath = QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2");

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
} // namespace

class TestRehearsal : public QObject {
    Q_OBJECT

public:
    explicit TestRehearsal(const TestHome &) {}

private slots:
    void firstStartsInstallBothTools_data();
    void firstStartsInstallBothTools();

private:
    QTemporaryDir homes;
};

void TestRehearsal::firstStartsInstallBothTools_data()
{
    QTest::addColumn<ReleaseHosts::Transport>("transport");
    QTest::addColumn<bool>("unpacked"); // the release has the unpacked build too
    QTest::newRow("plain HTTP") << ReleaseHosts::Transport::Http << false;
    QTest::newRow("TLS and HTTP/2") << ReleaseHosts::Transport::Https << false;
    QTest::newRow("TLS and HTTP/2, unpacked build") << ReleaseHosts::Transport::Https << true;
}

void TestRehearsal::firstStartsInstallBothTools()
{
    QFETCH(ReleaseHosts::Transport, transport);
    QFETCH(bool, unpacked);

    ReleaseHosts hosts;
    QVERIFY2(hosts.start(transport), qPrintable(hosts.error()));
    QVERIFY2(publishYtDlp(hosts, QStringLiteral("2099.01.01"), 0, unpacked) && publishDeno(hosts),
             qPrintable(hosts.error()));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CLIPMOOR_TOOL_RELEASES"),
                       hosts.releaseBase(QStringLiteral("yt-dlp/yt-dlp")));
    environment.insert(QStringLiteral("CLIPMOOR_DENO_RELEASES"),
                       hosts.releaseBase(QStringLiteral("denoland/deno")));
    if (transport == ReleaseHosts::Transport::Https)
        environment.insert(QStringLiteral("CLIPMOOR_EXTRA_CA"), hosts.caFile());
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/nonexistent"));

    const int starts = unpacked ? 1 : firstStarts;
    for (int start = 0; start < starts; ++start) {
        const QString home =
            homes.filePath(QStringLiteral("%1-%2").arg(QTest::currentDataTag()).arg(start));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
        const Run update = run(launcherPath, {QStringLiteral("--update")}, environment);
        QVERIFY2(update.exitCode == 0, update.err.constData());
        const QString managed = home + QStringLiteral("/data/Quorvel/Clipmoor/managed/");
        QCOMPARE(run(managed + QStringLiteral("deno"), {}, environment).out,
                 QByteArray("deno 2.5.0\n"));
        QCOMPARE(QFileInfo(managed + QStringLiteral("yt-dlp")).isSymLink(), unpacked);
    }
    // The launcher runs what was installed; the next start asks for the sums alone.
    const Run version = run(launcherPath, {QStringLiteral("--version")}, environment);
    QCOMPARE(version.out, QByteArray("2099.01.01\n"));
    const qsizetype before = hosts.requests().size();
    QCOMPARE(run(launcherPath, {QStringLiteral("--update")}, environment).exitCode, 0);
    QStringList asked;
    for (const ReleaseHosts::Request &request : hosts.requests().mid(before)) {
        if (request.status == 200)
            asked.append(request.path);
        if (transport == ReleaseHosts::Transport::Https)
            QCOMPARE(request.protocol, QStringLiteral("HTTP/2.0"));
    }
    QCOMPARE(asked.size(), 2); // the bytes host names its files only in the query
    QVERIFY(hosts.requests().mid(before).size() == 6);
}

CLIPMOOR_TEST_MAIN(TestRehearsal)
#include "tst_rehearsal.moc"
