#include "updater/updater.h"
#include "updater/updaterconfig.h"
#include "updater/updaterlog.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator64>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int lookupTimeoutMs = 3000;

const char advice[] =
    "We are attempting to download and process the update but something is blocking this on "
    "your machine.\n\nPlease close this window and check for any antivirus/malware programs that "
    "might be running and temporarily disable them. Then try running the update again.";

} // namespace

void showCriticalDialog(const QString &title, const QString &text)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(QStringLiteral("UPD. ERROR: ") + title);
    box.setText(QLatin1String(advice));
    box.setDetailedText(title + QStringLiteral(":\n\n") + text);
    box.setStandardButtons(QMessageBox::Close);
    box.setDefaultButton(QMessageBox::Close);
    box.exec();
}

void showCriticalMessage(Updater *updater, const QString &title, const QString &text)
{
    const QString simplified = text.simplified();
    updater->closeWindow(false);
    UPD_ERROR(Q_FUNC_INFO) << title << ":" << simplified;
    // The flag also keeps a second report from opening a dialog while the first is open.
    if (updater->errorDialogsSuppressed())
        return;
    updater->setErrorDialogsSuppressed(true);
    showCriticalDialog(title, simplified);
    emit updater->updateError();
    updater->setErrorDialogsSuppressed(false);
}

QString Updater::getPublicIP()
{
    if (!publicIp.isEmpty())
        return publicIp;

    const auto tryService = [](const QString &url, int timeoutMs) {
        UPD_INFO("operator()") << url;
        QNetworkAccessManager manager;
        QNetworkReply *answer = manager.get(QNetworkRequest(QUrl(url)));
        QEventLoop wait;
        QTimer::singleShot(timeoutMs, &wait, &QEventLoop::quit);
        connect(answer, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        if (!answer->isFinished())
            wait.exec();
        QString text;
        if (answer->isFinished() && answer->error() == QNetworkReply::NoError) {
            text = QString::fromUtf8(answer->readAll()).trimmed();
        } else {
            const QString reason =
                answer->isFinished() ? answer->errorString() : QStringLiteral("no answer in time");
            UPD_WARNING("Updater::getPublicIP()::<lambda(const QString&, int)>")
                << "failed to get external IP from" << url << ":" << reason;
        }
        answer->deleteLater();
        return text;
    };

    QStringList candidates = UpdaterConfig::addressLookupUrls();
    std::shuffle(candidates.begin(), candidates.end(), *QRandomGenerator64::global());
    for (const QString &url : std::as_const(candidates)) {
        const QString answer = tryService(url, lookupTimeoutMs);
        if (!answer.isEmpty() && !QHostAddress(answer).isNull()) {
            publicIp = answer;
            UPD_INFO("getPublicIP") << ":" << publicIp;
            return publicIp;
        }
    }
    UPD_WARNING(Q_FUNC_INFO) << "Failed to retrieve public IP from all services";
    publicIp.clear();
    return QString();
}
