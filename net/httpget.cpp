#include "net/httpget.h"

#include "app/identity.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDevice>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>

namespace {
// Enough of an error page to show what the server said.
constexpr qsizetype headBytes = 512;
// What the reply may hold unread: the server waits while it is full, so that a flood
// never fills memory faster than it is read.
constexpr qint64 readBufferBytes = 256 * 1024;
// The largest body asked for over HTTP/2, whose reading no buffer bounds: what comes
// in while the last of it is read stays small.
constexpr qint64 http2MaxBytes = 4 * 1024 * 1024;
constexpr int httpOkFirst = 200;
constexpr int httpOkLast = 299;
constexpr double msPerSecond = 1000.0;

bool isSuccess(int status)
{
    return status >= httpOkFirst && status <= httpOkLast;
}

// A short write is no failure yet: the next write tells why, as a buffered file's flush
// does; otherwise the reason would read "Unknown error".
bool writeAll(QIODevice *sink, const QByteArray &chunk)
{
    for (qint64 done = 0; done < chunk.size();) {
        const qint64 written = sink->write(chunk.constData() + done, chunk.size() - done);
        if (written <= 0) {
            if (auto *file = qobject_cast<QFileDevice *>(sink))
                file->flush();
            return false;
        }
        done += written;
    }
    return true;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The system's certificates, and for tests the extra authority CLIPMOOR_EXTRA_CA names.
const QSslConfiguration &tlsConfiguration()
{
    static const QSslConfiguration configuration = [] {
        QSslConfiguration made = QSslConfiguration::defaultConfiguration();
        const QString extra = qEnvironmentVariable("CLIPMOOR_EXTRA_CA");
        if (!extra.isEmpty())
            made.addCaCertificates(QSslCertificate::fromPath(extra));
        return made;
    }();
    return configuration;
}
} // namespace

QString HttpGet::Reply::errorText() const
{
    return QCoreApplication::translate("HttpGet", "cannot fetch %1: %2")
        .arg(url.toDisplayString(), reason);
}

HttpGet::HttpGet(QNetworkAccessManager *manager_, QObject *parent)
    : QObject(parent)
    , manager(manager_ ? manager_ : new QNetworkAccessManager(this))
{
    stall.setSingleShot(true);
    deadline.setSingleShot(true);
    connect(&stall, &QTimer::timeout, this, [this] {
        finish(Failure::Stalled, tr("no data for %1 s").arg(limits.stallMs / msPerSecond));
    });
    connect(&deadline, &QTimer::timeout, this, [this] {
        finish(Failure::Deadline, tr("not done within %1 s").arg(limits.deadlineMs / msPerSecond));
    });
}

HttpGet::~HttpGet()
{
    dropReply();
}

bool HttpGet::isAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    return url.scheme() == QLatin1String("http") && QHostAddress(url.host()).isLoopback();
}

bool HttpGet::isAllowedHop(const QUrl &from, const QUrl &to)
{
    const bool downgrade =
        from.scheme() == QLatin1String("https") && to.scheme() != QLatin1String("https");
    return !downgrade && isAllowed(to);
}

void HttpGet::start(const QUrl &url, QIODevice *sink_)
{
    cancel();
    sink = sink_;
    outcome = Reply();
    outcome.url = url;
    hash.reset();
    hops = 0;
    running = true;
    const quint64 thisAttempt = ++attempt;
    deadline.start(limits.deadlineMs);
    if (!isAllowed(url)) {
        // Answered from the event loop, as every other result is.
        QTimer::singleShot(0, this, [this, thisAttempt] {
            if (attempt == thisAttempt)
                finish(Failure::Refused, tr("only https is allowed"));
        });
        return;
    }
    request(url);
}

void HttpGet::cancel()
{
    running = false;
    stall.stop();
    deadline.stop();
    dropReply();
}

void HttpGet::request(const QUrl &url)
{
    outcome.url = url;
    outcome.asked.append(url);
    headersSeen = false;
    total = -1;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(QLatin1String(Identity::name),
                                                  QLatin1String(Identity::version)));
    // A body as it is stored: no decompression, whose failures say nothing and whose
    // output no limit on the wire bounds.
    request.setRawHeader("Accept-Encoding", "identity");
    // Qt's HTTP/2 reads on whatever the reply holds unread, so a large body comes over
    // HTTP/1.1, whose reading waits for the buffer to empty.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, limits.maxBytes <= http2MaxBytes);
    if (url.scheme() == QLatin1String("https"))
        request.setSslConfiguration(tlsConfiguration());
    reply = manager->get(request);
    reply->setReadBufferSize(readBufferBytes);
    connect(reply, &QNetworkReply::metaDataChanged, this, &HttpGet::onHeaders);
    connect(reply, &QIODevice::readyRead, this, &HttpGet::onData);
    connect(reply, &QNetworkReply::finished, this, &HttpGet::onFinished);
    stall.start(limits.stallMs);
}

void HttpGet::onHeaders()
{
    if (headersSeen || !reply)
        return;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    headersSeen = true;
    stall.start(limits.stallMs);
    outcome.status = status.toInt();
    outcome.contentType = reply->rawHeader("Content-Type");

    if (isRedirect(outcome.status)) {
        const QByteArray location = reply->rawHeader("Location");
        if (location.isEmpty()) {
            finish(Failure::Status, tr("HTTP status %1 without a new address").arg(outcome.status));
            return;
        }
        const QUrl target = reply->url().resolved(QUrl::fromEncoded(location));
        if (++hops > limits.maxHops) {
            finish(Failure::TooManyRedirects, tr("too many redirects"));
            return;
        }
        if (!isAllowedHop(reply->url(), target)) {
            finish(Failure::Refused,
                   tr("refused the redirect to %1").arg(target.toDisplayString()));
            return;
        }
        dropReply();
        request(target);
        return;
    }
    if (!isSuccess(outcome.status))
        return;
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity") {
        finish(Failure::Refused, tr("the body is compressed (%1), which was not asked for")
                                     .arg(QString::fromLatin1(encoding)));
        return;
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid()) {
        total = length.toLongLong();
        if (total > limits.maxBytes)
            finish(Failure::TooLarge, tr("larger than %1 bytes").arg(limits.maxBytes));
    }
}

void HttpGet::onData()
{
    onHeaders();
    if (!running || !reply || !headersSeen)
        return;
    stall.start(limits.stallMs);
    const QByteArray chunk = reply->readAll();
    if (chunk.isEmpty())
        return;
    if (outcome.head.size() < headBytes)
        outcome.head += chunk.left(headBytes - outcome.head.size());
    if (!isSuccess(outcome.status)) {
        // An error page: its start is enough.
        if (outcome.head.size() >= headBytes)
            finish(Failure::Status, tr("HTTP status %1").arg(outcome.status));
        return;
    }
    outcome.bytes += chunk.size();
    if (outcome.bytes > limits.maxBytes) {
        finish(Failure::TooLarge, tr("larger than %1 bytes").arg(limits.maxBytes));
        return;
    }
    hash.addData(chunk);
    if (!sink) {
        outcome.body += chunk;
    } else if (!writeAll(sink, chunk)) {
        finish(Failure::WriteFailed, tr("cannot write: %1").arg(sink->errorString()));
        return;
    }
    emit progress(outcome.bytes, total);
}

void HttpGet::onFinished()
{
    onData();
    if (!running || !reply)
        return;
    if (headersSeen && !isSuccess(outcome.status)) {
        finish(Failure::Status, tr("HTTP status %1").arg(outcome.status));
        return;
    }
    if (reply->error() != QNetworkReply::NoError || !headersSeen) {
        finish(Failure::Network, reply->errorString());
        return;
    }
    // A chunk size that is no number ends a chunked body as if it were the last; no file
    // of ours is empty.
    if (outcome.bytes == 0) {
        finish(Failure::Network, tr("the answer is empty"));
        return;
    }
    auto *file = qobject_cast<QFileDevice *>(sink);
    if (file && !file->flush()) {
        finish(Failure::WriteFailed, tr("cannot write: %1").arg(file->errorString()));
        return;
    }
    finish(Failure::None, QString());
}

void HttpGet::finish(Failure failure, const QString &reason)
{
    if (!running)
        return;
    running = false;
    stall.stop();
    deadline.stop();
    dropReply();
    outcome.failure = failure;
    outcome.reason = reason;
    if (failure == Failure::None)
        outcome.sha256 = hash.result().toHex();
    else
        outcome.body = QByteArray(); // given back at once, not kept with the result
    emit finished(outcome);
}

void HttpGet::dropReply()
{
    if (!reply)
        return;
    QNetworkReply *dropped = reply;
    reply = nullptr;
    dropped->disconnect(this);
    dropped->abort();
    dropped->deleteLater();
}

Result<HttpGet::Reply> HttpGet::fetch(QNetworkAccessManager &manager, const QUrl &url,
                                      QIODevice *sink, const Limits &limits)
{
    HttpGet get(&manager);
    get.setLimits(limits);
    QEventLoop loop;
    connect(&get, &HttpGet::finished, &loop, &QEventLoop::quit);
    get.start(url, sink);
    if (get.isRunning())
        loop.exec();
    if (!get.result().ok())
        return fail(get.result().errorText());
    return get.result();
}
