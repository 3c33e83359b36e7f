#include "tests/support/httpserver.h"

#include <QFile>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {
// What an endless body keeps queued in the socket; the client's reading sets the pace.
constexpr qint64 endlessQueueBytes = 256 * 1024;

QByteArray asChunk(const QByteArray &data)
{
    return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n";
}
} // namespace

struct HttpServer::Connection {
    QPointer<QTcpSocket> socket;
    QByteArray head;
    QByteArray pending; // body bytes still to send
    qint64 bytesPerSecond = 0;
    bool cutAtEnd = false;
    bool hangAtEnd = false;
    QByteArray endlessPiece; // sent again whenever the socket has room
    QTimer *pacer = nullptr;
};

HttpServer::HttpServer(QObject *parent)
    : QObject(parent)
{
    server.setParent(this); // so that it moves along to another thread
    connect(&server, &QTcpServer::newConnection, this, &HttpServer::onNewConnection);
}

HttpServer::~HttpServer()
{
    const QList<Connection *> open = connections;
    for (Connection *connection : open)
        drop(connection);
}

bool HttpServer::listen(const QHostAddress &address)
{
    return server.listen(address, 0);
}

QByteArray HttpServer::url(const QByteArray &path) const
{
    return "http://" + server.serverAddress().toString().toLatin1() + ':' +
           QByteArray::number(port()) + path;
}

void HttpServer::route(const QByteArray &path, const Response &response)
{
    routes.insert(path, response);
}

void HttpServer::serveFile(const QByteArray &path, const QString &fileName,
                           const QByteArray &contentType, qint64 bytesPerSecond)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot serve %s", qPrintable(fileName));
    Response response;
    response.contentType = contentType;
    response.body = file.readAll();
    response.bytesPerSecond = bytesPerSecond;
    route(path, response);
}

void HttpServer::onNewConnection()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        auto *connection = new Connection;
        connection->socket = socket;
        connections.append(connection);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, connection] { onReadyRead(connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, connection] { drop(connection); });
    }
}

void HttpServer::onReadyRead(Connection *connection)
{
    connection->head.append(connection->socket->readAll());
    const qsizetype end = connection->head.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = connection->head.left(end).split('\n');
    connection->head.clear();
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    QByteArray range;
    QByteArray cookie;
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("range:"))
            range = line.mid(6).trimmed();
        if (line.toLower().startsWith("cookie:"))
            cookie = line.mid(7).trimmed();
    }
    QByteArray path = request.value(1);
    requests.append(path);
    cookies.append(cookie);
    const qsizetype query = path.indexOf('?');
    if (query >= 0)
        path.truncate(query);
    answer(connection, request.value(0), path, range);
}

void HttpServer::answer(Connection *connection, const QByteArray &method, const QByteArray &path,
                        const QByteArray &range)
{
    const auto found = routes.constFind(path);
    Response response =
        found != routes.constEnd() ? *found : Response{404, "text/plain", "not found"};
    if (response.silent)
        return;

    QByteArray body = response.body;
    int status = response.status;
    QByteArray extra;
    // "bytes=N-" or "bytes=N-M", as a downloader resuming or probing asks.
    if (status == 200 && range.startsWith("bytes=")) {
        const QList<QByteArray> bounds = range.mid(6).split('-');
        const qint64 first = bounds.value(0).toLongLong();
        const qint64 last = bounds.value(1).isEmpty()
                                ? body.size() - 1
                                : qMin<qint64>(bounds.value(1).toLongLong(), body.size() - 1);
        if (first < body.size() && first <= last) {
            extra = "Content-Range: bytes " + QByteArray::number(first) + '-' +
                    QByteArray::number(last) + '/' + QByteArray::number(body.size()) + "\r\n";
            body = body.mid(first, last - first + 1);
            status = 206;
        }
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " Answer\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    if (response.chunked)
        head += "Transfer-Encoding: chunked\r\n";
    else if (response.withLength && !response.endless)
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += response.headers;
    if (!response.location.isEmpty())
        head += "Location: " + response.location + "\r\n";
    head += extra + "Connection: close\r\n\r\n";

    if (method == "HEAD")
        body.clear();
    if (response.cutAfter >= 0 && response.cutAfter < body.size()) {
        body.truncate(response.cutAfter);
        connection->cutAtEnd = !response.hangAfterCut;
        connection->hangAtEnd = response.hangAfterCut;
    }
    connection->pending = body;
    connection->bytesPerSecond = response.bytesPerSecond;
    if (response.endless)
        connection->endlessPiece = response.chunked ? asChunk(body) : body;
    else if (response.chunked)
        connection->pending = (body.isEmpty() ? QByteArray() : asChunk(body)) + "0\r\n\r\n";

    const auto send = [this, connection, head] {
        if (!connections.contains(connection) || !connection->socket)
            return;
        connection->socket->write(head);
        if (connection->endlessPiece.isEmpty()) {
            sendMore(connection);
            return;
        }
        connect(connection->socket, &QTcpSocket::bytesWritten, this,
                [this, connection] { sendEndless(connection); });
        sendEndless(connection);
    };
    if (response.held) {
        heldAnswers[path].append(send);
        return;
    }
    QTimer::singleShot(response.delayMs, this, send);
}

void HttpServer::release(const QByteArray &path)
{
    for (const auto &start : heldAnswers.take(path))
        start();
}

void HttpServer::sendMore(Connection *connection)
{
    QTcpSocket *socket = connection->socket;
    if (!socket)
        return;
    if (connection->bytesPerSecond <= 0) {
        socket->write(connection->pending);
        connection->pending.clear();
    } else {
        // Slices of a twentieth of a second keep the rate smooth.
        const qint64 slice = qMax<qint64>(1, connection->bytesPerSecond / 20);
        socket->write(connection->pending.left(slice));
        connection->pending.remove(0, qMin<qint64>(slice, connection->pending.size()));
        if (!connection->pending.isEmpty()) {
            if (!connection->pacer) {
                connection->pacer = new QTimer(this);
                connection->pacer->setInterval(50);
                connect(connection->pacer, &QTimer::timeout, this,
                        [this, connection] { sendMore(connection); });
                connection->pacer->start();
            }
            return;
        }
    }
    if (connection->pacer)
        connection->pacer->stop();
    if (connection->hangAtEnd)
        return;
    if (connection->cutAtEnd)
        socket->abort();
    else
        socket->disconnectFromHost();
}

void HttpServer::sendEndless(Connection *connection)
{
    QTcpSocket *socket = connection->socket;
    while (socket && socket->state() == QAbstractSocket::ConnectedState &&
           socket->bytesToWrite() < endlessQueueBytes)
        socket->write(connection->endlessPiece);
}

void HttpServer::drop(Connection *connection)
{
    if (!connections.removeOne(connection))
        return;
    if (connection->pacer) {
        connection->pacer->stop();
        connection->pacer->deleteLater();
    }
    if (connection->socket) {
        connection->socket->disconnect(this);
        connection->socket->deleteLater();
    }
    delete connection;
}

ThreadedHttpServer::ThreadedHttpServer()
    : served(new HttpServer)
{
    served->moveToThread(&thread);
    thread.start();
}

ThreadedHttpServer::~ThreadedHttpServer()
{
    QMetaObject::invokeMethod(
        served, [this] { delete served; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

bool ThreadedHttpServer::listen()
{
    bool listening = false;
    QMetaObject::invokeMethod(
        served, [this, &listening] { listening = served->listen(); }, Qt::BlockingQueuedConnection);
    return listening;
}
