#include "updater/manifestfetch.h"

#include "updater/abandonreply.h"
#include "updater/updaterdialogs.h"
#include "updater/updaterlog.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
// What the user reads, kept together.
const char failureText[] = QT_TRANSLATE_NOOP("Updater", "%1. \n\nURL: %2");
const char timeoutText[] =
    QT_TRANSLATE_NOOP("Updater", "The update server did not answer within %1 seconds");
const char tooLargeText[] = QT_TRANSLATE_NOOP("Updater", "The manifest is larger than %1 bytes");
} // namespace

ManifestFetch::ManifestFetch(const Limits &limits_, QObject *parent)
    : QObject(parent)
    , limits(limits_)
    , manager(new QNetworkAccessManager(this))
{
    limitTimer.setSingleShot(true);
    connect(&limitTimer, &QTimer::timeout, this, [this] {
        fail(UpdaterDialogs::translated(timeoutText).arg(limits.timeoutMs / 1000.0));
    });
}

ManifestFetch::~ManifestFetch()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
}

void ManifestFetch::start(const QUrl &url_)
{
    UPD_INFO("bool Updater::downloadJSON()");
    url = url_;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    reply = manager->get(request);
    connect(reply, &QNetworkReply::readyRead, this, &ManifestFetch::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &ManifestFetch::onFinished);
    limitTimer.start(limits.timeoutMs);
}

void ManifestFetch::onReadyRead()
{
    body += reply->read(limits.maxBytes + 1 - body.size());
    if (body.size() > limits.maxBytes)
        fail(UpdaterDialogs::translated(tooLargeText).arg(limits.maxBytes));
}

void ManifestFetch::onFinished()
{
    limitTimer.stop();
    QNetworkReply *done = reply;
    reply = nullptr;
    done->deleteLater();
    if (done->error() != QNetworkReply::NoError) {
        emit failed(
            UpdaterDialogs::translated(failureText).arg(done->errorString(), url.toString()));
        return;
    }
    body += done->read(limits.maxBytes + 1 - body.size());
    if (body.size() > limits.maxBytes) {
        fail(UpdaterDialogs::translated(tooLargeText).arg(limits.maxBytes));
        return;
    }
    emit fetched(body);
}

void ManifestFetch::fail(const QString &reason)
{
    limitTimer.stop();
    abandonReply(reply, this);
    emit failed(UpdaterDialogs::translated(failureText).arg(reason, url.toString()));
}
