#include "updater/updater.h"
#include "updater/updaterconfig.h"
#include "updater/updaterlog.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {

// A whole number as a signed 32-bit value; anything else reads as 0.
int readInt32(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (!(number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()) ||
        std::trunc(number) != number)
        return 0;
    return int(number);
}

uint ConverToUINT(int value)
{
    if (value < 0) {
        UPD_WARNING("ConverToUINT") << "negative version in JSON! val =" << value;
        return 0;
    }
    return uint(value);
}

} // namespace

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
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(manifestData, &error);
    if (error.error != QJsonParseError::NoError) {
        showCriticalMessage(this, QStringLiteral("JSON parse error"), error.errorString());
        return false;
    }
    if (!document.isObject()) {
        showCriticalMessage(this, QStringLiteral("JSON parse error"),
                            QStringLiteral("JSON root is not an object!"));
        return false;
    }
    const QJsonObject root = document.object();
    const QJsonObject enabled = root.value(QLatin1String("enabled")).toObject();
    updatesEnabled = enabled.value(QLatin1String("all")).toBool(false);
    if (!updatesEnabled) {
        const QJsonArray addresses = enabled.value(QLatin1String("ips")).toArray();
        for (const QJsonValue &address : addresses) {
            if (getPublicIP() == address.toString()) {
                updatesEnabled = true;
                break;
            }
        }
    }
    if (!updatesEnabled)
        return true;

    const QJsonObject latest = root.value(QLatin1String("lst")).toObject();
    latestVersion = ConverToUINT(readInt32(latest.value(QLatin1String("ver"))));
    latestPath = latest.value(QLatin1String("pth")).toString();
    latestSha256 = latest.value(QLatin1String("sha256")).toString();
    const QJsonObject old = root.value(QLatin1String("old")).toObject();
    oldVersion = ConverToUINT(readInt32(old.value(QLatin1String("ver"))));
    oldPath = old.value(QLatin1String("pth")).toString();
    return true;
}
