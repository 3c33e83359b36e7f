// The HTTP client against local servers: redirects hop by hop, the limits, failed writes,
// and a request that ends early.
#include "net/httpget.h"
#include "tests/support/httpserver.h"
#include "tests/support/testmain.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using Failure = HttpGet::Failure;

class TestNet : public QObject {
    Q_OBJECT

public:
    explicit TestNet(const TestHome &) {}

private slots:
    void initTestCase();
    void init();
    void fetches_data();
    void fetches();
    void hopRules_data();
    void hopRules();
    void endedRequestStaysSilent();

private:
    HttpServer front;
    HttpServer other; // a second host, as a release's files are served from
    ThreadedHttpServer fast;
    QNetworkAccessManager manager;
    const QByteArray payload = QByteArray(3000, 'x') + "end";
};

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory aside to catch its later use: what is resident then
// says nothing of what the client keeps.
constexpr bool memoryIsMeasured = false;
#else
constexpr bool memoryIsMeasured = true;
#endif

namespace {
HttpServer::Response redirect(const QByteArray &location)
{
    HttpServer::Response response;
    response.status = 302;
    response.contentType = "text/html";
    response.body = "<html>moved</html>";
    response.location = location;
    return response;
}

// The request run to its end, its failure kind and all, as the window and the updater see it.
HttpGet::Reply finishedReply(QNetworkAccessManager &manager, const QUrl &url, QIODevice *sink,
                             const HttpGet::Limits &limits)
{
    HttpGet get(&manager);
    get.setLimits(limits);
    QEventLoop loop;
    QObject::connect(&get, &HttpGet::finished, &loop, &QEventLoop::quit);
    get.start(url, sink);
    if (get.isRunning())
        loop.exec();
    return get.result();
}
} // namespace

void TestNet::initTestCase()
{
    QVERIFY(front.listen());
    QVERIFY(other.listen(QHostAddress(QStringLiteral("127.0.0.2"))));
    other.route("/file", {200, "application/octet-stream", payload});
    front.route("/file", {200, "application/octet-stream", payload});
    front.route("/one", redirect(other.url("/file")));
    front.route("/two", redirect(front.url("/one")));
    front.route("/relative", redirect("../file?x-token=1"));
    front.route("/gone", redirect(other.url("/missing")));
    front.route("/loop", redirect("/loop"));
    for (int hop = 1; hop <= 10; ++hop)
        front.route("/chain" + QByteArray::number(hop),
                    redirect(hop == 10 ? "/file" : "/chain" + QByteArray::number(hop + 1)));
    front.route("/elsewhere", redirect("http://192.0.2.1/file"));
    front.route("/nowhere", redirect(""));
    HttpServer::Response silent;
    silent.silent = true;
    front.route("/silent", silent);
    HttpServer::Response drip{200, "application/octet-stream", payload};
    drip.bytesPerSecond = 40;
    front.route("/drip", drip);
    HttpServer::Response endless{200, "application/octet-stream", QByteArray(200000, 'y')};
    endless.withLength = false;
    front.route("/unannounced", endless);
    // At loopback speed, without end: the client's limit alone ends it.
    HttpServer::Response flood{200, "application/octet-stream", QByteArray(64 * 1024, 'z')};
    flood.endless = true;
    fast.server().route("/endless", flood);
    flood.chunked = true;
    fast.server().route("/endless-chunked", flood);
    QVERIFY(fast.listen());
    front.route("/endless", redirect(fast.server().url("/endless")));
    front.route("/endless-chunked", redirect(fast.server().url("/endless-chunked")));
    HttpServer::Response badChunk{200, "text/plain", "zz\r\n" + payload + "\r\n0\r\n\r\n"};
    badChunk.withLength = false;
    badChunk.headers = "Transfer-Encoding: chunked\r\n";
    front.route("/bad-chunk", badChunk);
    HttpServer::Response packed{200, "application/octet-stream", "\x1f\x8b\x08\x00garbage"};
    packed.headers = "Content-Encoding: gzip\r\n";
    front.route("/packed", packed);
    HttpServer::Response cut{200, "application/octet-stream", payload};
    cut.cutAfter = 100;
    front.route("/cut", cut);
}

// Nothing of a request, however it ends, reaches standard error.
void TestNet::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void TestNet::fetches_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("sinkFile"); // empty: the body comes back in the result
    QTest::addColumn<int>("failure");
    QTest::addColumn<QByteArray>("finalUrl");
    QTest::addColumn<QString>("reason");

    const QByteArray file = other.url("/file");
    const auto row = [](const char *name) -> QTestData & {
        return QTest::newRow(name);
    };
    row("direct") << QByteArray("/file") << QString() << int(Failure::None) << front.url("/file")
                  << QString();
    row("one hop to another host, into a file")
        << QByteArray("/one") << QStringLiteral("file") << int(Failure::None) << file << QString();
    row("two hops") << QByteArray("/two") << QString() << int(Failure::None) << file << QString();
    row("relative address") << QByteArray("/sub/../relative") << QString() << int(Failure::None)
                            << front.url("/file?x-token=1") << QString();
    row("ten hops") << QByteArray("/chain1") << QString() << int(Failure::None)
                    << front.url("/file") << QString();
    row("redirect loop") << QByteArray("/loop") << QString() << int(Failure::TooManyRedirects)
                         << front.url("/loop") << QStringLiteral("too many redirects");
    row("not found after a redirect") << QByteArray("/gone") << QString() << int(Failure::Status)
                                      << other.url("/missing") << QStringLiteral("HTTP status 404");
    row("plain http beyond this machine")
        << QByteArray("/elsewhere") << QString() << int(Failure::Refused) << front.url("/elsewhere")
        << QStringLiteral("refused the redirect to http://192.0.2.1/file");
    row("redirect without an address")
        << QByteArray("/nowhere") << QString() << int(Failure::Status) << front.url("/nowhere")
        << QStringLiteral("HTTP status 302 without a new address");
    row("silence") << QByteArray("/silent") << QString() << int(Failure::Stalled)
                   << front.url("/silent") << QStringLiteral("no data for 0.3 s");
    row("drip feed past the deadline")
        << QByteArray("/drip") << QString() << int(Failure::Deadline) << front.url("/drip")
        << QStringLiteral("not done within 1 s");
    row("announced body over the limit")
        << QByteArray("/file") << QStringLiteral("limit") << int(Failure::TooLarge)
        << front.url("/file") << QStringLiteral("larger than 1000 bytes");
    row("unannounced body over the limit")
        << QByteArray("/unannounced") << QString() << int(Failure::TooLarge)
        << front.url("/unannounced") << QStringLiteral("larger than 100000 bytes");
    row("endless body at full speed, into a file")
        << QByteArray("/endless") << QStringLiteral("/dev/null") << int(Failure::TooLarge)
        << fast.server().url("/endless") << QStringLiteral("larger than 268435456 bytes");
    row("endless chunked body") << QByteArray("/endless-chunked") << QString()
                                << int(Failure::TooLarge) << fast.server().url("/endless-chunked")
                                << QStringLiteral("larger than 1048576 bytes");
    row("bad chunk size") << QByteArray("/bad-chunk") << QString() << int(Failure::Network)
                          << front.url("/bad-chunk") << QStringLiteral("the answer is empty");
    row("compressed without being asked")
        << QByteArray("/packed") << QString() << int(Failure::Refused) << front.url("/packed")
        << QStringLiteral("the body is compressed (gzip), which was not asked for");
    row("connection cut") << QByteArray("/cut") << QString() << int(Failure::Network)
                          << front.url("/cut") << QString();
    row("full disk") << QByteArray("/one") << QStringLiteral("/dev/full")
                     << int(Failure::WriteFailed) << file
                     << QStringLiteral("cannot write: No space left on device");
}

void TestNet::fetches()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, sinkFile);
    QFETCH(int, failure);
    QFETCH(QByteArray, finalUrl);
    QFETCH(QString, reason);

    HttpGet::Limits limits;
    limits.maxBytes = sinkFile == QLatin1String("limit") ? 1000 : 100000;
    limits.stallMs = 300;
    limits.deadlineMs = 1000;
    if (path.startsWith("/endless")) { // as a release file and as a sums file are bounded
        limits.maxBytes = sinkFile.isEmpty() ? 1024 * 1024 : 256 * 1024 * 1024;
        limits.deadlineMs = 60000;
    }
    QTemporaryDir dir;
    QFile sink(sinkFile.startsWith(QLatin1Char('/')) ? sinkFile : dir.filePath("out"));
    const bool toFile = sinkFile == QLatin1String("file") || sink.fileName().startsWith("/dev/");
    if (toFile)
        QVERIFY(sink.open(QIODevice::WriteOnly | QIODevice::Unbuffered));

    // Memory stays near what the request itself keeps, and is given back when it ends. A
    // body kept in memory gets more room: on a loaded machine a chunked one was seen to
    // peak at 88 MiB (where the unbounded client reached hundreds).
    const qint64 roomKiB = toFile ? 32 * 1024 : 128 * 1024 + 3 * limits.maxBytes / 1024;
    const qint64 before = residentKiB();
    resetPeakMemory();
    const HttpGet::Reply result = finishedReply(manager, QUrl::fromEncoded(front.url(path)),
                                                toFile ? &sink : nullptr, limits);
    const qint64 peak = residentKiB(true);
    if (memoryIsMeasured) {
        QVERIFY2(
            peak - before < roomKiB,
            qPrintable(QStringLiteral("peak %1 KiB over %2 KiB").arg(peak - before).arg(before)));
    }
    if (!result.ok() && memoryIsMeasured)
        QTRY_VERIFY2(residentKiB() - before < 32 * 1024,
                     qPrintable(QString::number(residentKiB())));
    QCOMPARE(int(result.failure), failure);
    QCOMPARE(result.url.toEncoded(), finalUrl);
    if (!reason.isEmpty())
        QCOMPARE(result.reason, reason);
    if (failure != int(Failure::None)) {
        QVERIFY(
            result.errorText().startsWith("cannot fetch " + QString::fromLatin1(finalUrl) + ": "));
        return;
    }
    QCOMPARE(result.status, 200);
    QCOMPARE(result.sha256, QCryptographicHash::hash(payload, QCryptographicHash::Sha256).toHex());
    if (toFile) {
        sink.close();
        QVERIFY(sink.open(QIODevice::ReadOnly));
        QCOMPARE(sink.readAll(), payload);
    } else {
        QCOMPARE(result.body, payload);
    }
}

void TestNet::hopRules_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("https to https") << "https://a.example/x"
                                    << "https://b.example/y" << true;
    QTest::newRow("https to http") << "https://a.example/x"
                                   << "http://127.0.0.1/y" << false;
    QTest::newRow("http to loopback") << "http://127.0.0.1/x"
                                      << "http://127.0.0.2:8/y" << true;
    QTest::newRow("http to ::1") << "http://127.0.0.1/x"
                                 << "http://[::1]/y" << true;
    QTest::newRow("http elsewhere") << "http://127.0.0.1/x"
                                    << "http://example.org/y" << false;
    QTest::newRow("other scheme") << "https://a.example/x"
                                  << "file:///etc/passwd" << false;
}

void TestNet::hopRules()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, allowed);
    QCOMPARE(HttpGet::isAllowedHop(QUrl(from), QUrl(to)), allowed);
}

// Cancelled, or dropped while its reply still runs: no signal, no crash, no leftover.
void TestNet::endedRequestStaysSilent()
{
    // A server and a client of the test's own, so that the connections are its alone.
    HttpServer server;
    QVERIFY(server.listen());
    HttpServer::Response drip{200, "application/octet-stream", payload};
    drip.bytesPerSecond = 40;
    server.route("/drip", drip);
    HttpServer::Response held{200, "application/octet-stream", payload};
    held.held = true;
    server.route("/held", held);
    server.route("/file", {200, "application/octet-stream", payload});
    QNetworkAccessManager client;

    HttpGet get(&client);
    QSignalSpy finished(&get, &HttpGet::finished);
    get.start(QUrl::fromEncoded(server.url("/drip")));
    QTRY_VERIFY(get.result().bytes > 0 || server.requestedPaths().contains("/drip"));
    get.cancel();
    get.start(QUrl(QStringLiteral("http://example.org/")));
    get.cancel();
    {
        HttpGet dropped(&client);
        dropped.start(QUrl::fromEncoded(server.url("/held")));
        QTRY_VERIFY(server.requestedPaths().contains("/held"));
    }
    // The server sees both requests go, and a later one ends after anything they left queued.
    QTRY_COMPARE(server.openConnections(), 0);
    HttpGet later(&client);
    QSignalSpy laterFinished(&later, &HttpGet::finished);
    later.start(QUrl::fromEncoded(server.url("/file")));
    QVERIFY(laterFinished.wait());
    QCOMPARE(later.result().body, payload);
    QCOMPARE(finished.size(), 0);
    QVERIFY(!get.isRunning());
}

CLIPMOOR_TEST_MAIN(TestNet)
#include "tst_net.moc"
