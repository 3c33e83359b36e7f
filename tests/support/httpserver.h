#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <QThread>
#include <functional>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for the tests: each path answers what the test
// asked for (status, type, body, a delay, a limited rate, a cut in the middle, a body
// without end, or nothing at all).
class HttpServer : public QObject {
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray contentType = "application/octet-stream";
        QByteArray body;
        int delayMs = 0;           // before the answer starts
        qint64 bytesPerSecond = 0; // 0: as fast as possible
        qint64 cutAfter = -1;      // close after this many body bytes; -1: send all
        bool hangAfterCut = false; // with cutAfter: fall silent instead of closing
        bool silent = false;       // accept the connection and never answer
        bool withLength = true;    // send Content-Length
        QByteArray location = {};  // sent as the Location header when set
        bool endless = false;      // the body again and again, at full speed, never ending
        bool chunked = false;      // in chunks (Transfer-Encoding: chunked), without a length
        QByteArray headers = {};   // more header lines, each ending in CRLF
        bool held = false;         // answered only once the test calls release() for it
    };

    explicit HttpServer(QObject *parent = nullptr);
    ~HttpServer() override;

    // On a free port of the address (any of 127.0.0.0/8 on Linux).
    bool listen(const QHostAddress &address = QHostAddress(QHostAddress::LocalHost));
    quint16 port() const { return server.serverPort(); }
    QByteArray url(const QByteArray &path) const;

    void route(const QByteArray &path, const Response &response);
    void serveFile(const QByteArray &path, const QString &file, const QByteArray &contentType,
                   qint64 bytesPerSecond = 0);

    // Answers the held requests for path that have come so far.
    void release(const QByteArray &path);

    QList<QByteArray> requestedPaths() const { return requests; }
    // Connections the clients have not closed yet.
    qsizetype openConnections() const { return connections.size(); }
    // The Cookie header of each request, in the same order; empty when none was sent.
    QList<QByteArray> requestedCookies() const { return cookies; }

private:
    struct Connection;
    void onNewConnection();
    void onReadyRead(Connection *connection);
    void answer(Connection *connection, const QByteArray &method, const QByteArray &path,
                const QByteArray &range);
    void sendMore(Connection *connection);
    void sendEndless(Connection *connection);
    void drop(Connection *connection);

    QTcpServer server;
    QHash<QByteArray, Response> routes;
    QList<QByteArray> requests;
    QList<QByteArray> cookies;
    QList<Connection *> connections;
    QHash<QByteArray, QList<std::function<void()>>> heldAnswers;
};

// An HttpServer that answers from a thread of its own, as a server elsewhere would, so
// that a client in this process meets it at loopback speed. Its routes are set before
// listen() and not touched after.
class ThreadedHttpServer {
public:
    ThreadedHttpServer();
    ~ThreadedHttpServer();
    HttpServer &server() { return *served; }
    bool listen();

private:
    QThread thread;
    HttpServer *served;
};
