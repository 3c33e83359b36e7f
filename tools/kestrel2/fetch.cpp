#include "tools/kestrel2/fetch.h"

#include "app/identity.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
constexpr int maxRedirects = 10;
constexpr int httpOkFirst = 200;
constexpr int httpOkLast = 299;

bool isSuccess(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= httpOkFirst && status <= httpOkLast;
}
} // namespace

Fetch::Fetch(QNetworkAccessManager &manager_, Limits limits_)
    : manager(manager_)
    , limits(limits_)
{
}

bool Fetch::isAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    return url.scheme() == QLatin1String("http") && QHostAddress(url.host()).isLoopback();
}

QString Fetch::get(const QUrl &url, QIODevice &sink)
{
    digest.clear();
    if (!isAllowed(url))
        return QStringLiteral("refused %1: only https is allowed").arg(url.toDisplayString());

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(QLatin1String(Identity::name),
                                                  QLatin1String(Identity::version)));
    QNetworkReply *reply = manager.get(request);
    QUrl current = url;
    QString failure;
    qint64 received = 0;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QTimer stall;
    stall.setSingleShot(true);
    stall.setInterval(limits.stallMs);

    const auto fail = [&](const QString &text) {
        if (failure.isEmpty())
            failure = text;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl &target) {
        const bool downgrade =
            current.scheme() == QLatin1String("https") && target.scheme() != QLatin1String("https");
        if (downgrade || !isAllowed(target)) {
            fail(QStringLiteral("refused the redirect to %1").arg(target.toDisplayString()));
            return;
        }
        current = target;
        emit reply->redirectAllowed();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        stall.start();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (isSuccess(reply) && length.isValid() && length.toLongLong() > limits.maxBytes)
            fail(QStringLiteral("the file is larger than %1 bytes").arg(limits.maxBytes));
    });
    QObject::connect(reply, &QIODevice::readyRead, reply, [&] {
        stall.start();
        const QByteArray chunk = reply->readAll();
        if (!isSuccess(reply))
            return; // an error page; the status says what went wrong
        received += chunk.size();
        if (received > limits.maxBytes) {
            fail(QStringLiteral("the file is larger than %1 bytes").arg(limits.maxBytes));
            return;
        }
        hash.addData(chunk);
        if (sink.write(chunk) != chunk.size())
            fail(QStringLiteral("cannot write: %1").arg(sink.errorString()));
    });
    QObject::connect(&stall, &QTimer::timeout, reply, [&] {
        fail(QStringLiteral("no answer for %1 s").arg(limits.stallMs / 1000.0));
    });

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    stall.start();
    if (!reply->isFinished())
        loop.exec();
    stall.stop();

    if (failure.isEmpty() && reply->error() != QNetworkReply::NoError)
        failure = reply->errorString();
    if (failure.isEmpty() && !isSuccess(reply))
        failure = QStringLiteral("HTTP status %1")
                      .arg(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    reply->deleteLater();
    if (!failure.isEmpty())
        return QStringLiteral("cannot fetch %1: %2").arg(url.toDisplayString(), failure);
    digest = hash.result().toHex();
    return QString();
}
