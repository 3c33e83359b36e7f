#include "updater/manifestreader.h"
#include "updater/updater.h"
#include "updater/updaterconfig.h"
#include "updater/updaterlog.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

bool Updater::downloadJSON()
{
    UPD_INFO(Q_FUNC_INFO);
    const QUrl url = UpdaterConfig::manifestUrl();
    QNetworkAccessManager manager;
    QNetworkReply *answer = manager.get(QNetworkRequest(url));

    // A server that never answers must not keep the check waiting for ever.
    bool timedOut = false;
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &wait, [&] {
        timedOut = true;
        answer->abort();
    });
    connect(answer, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    limit.start(UpdaterConfig::manifestTimeoutMs());
    if (!answer->isFinished())
        wait.exec();

    bool ok = true;
    if (timedOut || !answer->isFinished() || answer->error() != QNetworkReply::NoError) {
        QString reason = answer->errorString();
        if (timedOut)
            reason = QStringLiteral("The update server did not answer within %1 seconds")
                         .arg(UpdaterConfig::manifestTimeoutMs() / 1000);
        else if (!answer->isFinished())
            reason = QStringLiteral("The check was interrupted");
        showCriticalMessage(this, QStringLiteral("JSON download error"),
                            QStringLiteral("%1. \n\nURL: %2").arg(reason, url.toString()));
        ok = false;
    } else {
        manifestData = answer->readAll();
    }
    answer->deleteLater();
    return ok;
}

bool Updater::parseJSON()
{
    UPD_INFO(Q_FUNC_INFO);
    ManifestFields fields;
    QString error;
    if (!readManifest(manifestData, fields, error)) {
        showCriticalMessage(this, QStringLiteral("JSON parse error"), error);
        return false;
    }
    updatesEnabled = fields.all;
    if (!updatesEnabled) {
        for (const QString &address : std::as_const(fields.addresses)) {
            if (getPublicIP() == address) {
                updatesEnabled = true;
                break;
            }
        }
    }
    // A manifest that does not enable this machine leaves the release fields as they were.
    if (!updatesEnabled)
        return true;
    readReleases(fields);
    latestVersion = fields.latestVersion;
    latestPath = fields.latestPath;
    latestSha256 = fields.latestSha256;
    oldVersion = fields.oldVersion;
    oldPath = fields.oldPath;
    return true;
}
