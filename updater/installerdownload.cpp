#include "updater/installerdownload.h"

#include "updater/updaterdialogs.h"
#include "updater/updaterlog.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

constexpr qsizetype htmlShownBytes = 512;

// What the user reads, kept together.
const char networkErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "Network error");
const char downloadFailedTitle[] = QT_TRANSLATE_NOOP("Updater", "Download failed");
const char serverErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "Server error");
const char htmlTitle[] = QT_TRANSLATE_NOOP("Updater", "Server returned HTML instead of file");
const char cannotWriteText[] = QT_TRANSLATE_NOOP("Updater", "Cannot open file %1 for writing: %2");
const char statusText[] = QT_TRANSLATE_NOOP("Updater", "HTTP status: %1\n%2");
const char noStatusText[] = QT_TRANSLATE_NOOP("Updater", "No HTTP status");
const char checksumText[] = QT_TRANSLATE_NOOP(
    "Updater", "The downloaded installer %1 does not match its published SHA-256 checksum");
constexpr int httpOk = 200;

bool isUserCancel(const QString &error)
{
    return error == QLatin1String("Operation canceled");
}

} // namespace

InstallerDownload::InstallerDownload(QObject *parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
{
    manager->setAutoDeleteReplies(true);
}

InstallerDownload::~InstallerDownload()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
    discardFile();
}

bool InstallerDownload::isFetchable(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

QString InstallerDownload::safeFileName(const QUrl &url)
{
    const QString name = url.fileName(QUrl::FullyDecoded);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return QString();
    }
    return name;
}

bool InstallerDownload::matchesChecksum(const QString &path, const QString &expected)
{
    if (expected.isEmpty())
        return true;
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return false;
    return QString::fromLatin1(hash.result().toHex()).compare(expected, Qt::CaseInsensitive) == 0;
}

bool InstallerDownload::start(const QUrl &url, const QString &path, const QString &sha256_,
                              QString &error)
{
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = UpdaterDialogs::translated(cannotWriteText).arg(path, file.errorString());
        return false;
    }
    sha256 = sha256_;
    cancelling = false;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    reply = manager->get(request);
    progressTimer.start();
    connect(reply, &QNetworkReply::downloadProgress, this, &InstallerDownload::onProgress);
    connect(reply, &QNetworkReply::readyRead, this, [this] { file.write(reply->readAll()); });
    connect(reply, &QNetworkReply::errorOccurred, this, &InstallerDownload::onError);
    connect(reply, &QNetworkReply::finished, this, &InstallerDownload::onFinished);
    return true;
}

void InstallerDownload::cancel()
{
    if (!reply)
        return;
    cancelling = true;
    reply->abort();
    discardFile();
}

void InstallerDownload::onProgress(qint64 received, qint64 total)
{
    if (!progressSeen) {
        progressSeen = true;
        emit firstProgress();
    }
    const qint64 percent = total > 0 ? received * 100 / total : 0;
    if (received != total && progressTimer.elapsed() < progressIntervalMs)
        return;
    progressTimer.restart();
    qInfo().noquote() << QStringLiteral("PRC: (%1%) %2 / %3").arg(percent).arg(received).arg(total);
    emit progressChanged(uint(percent));
}

void InstallerDownload::onError()
{
    discardFile();
    const QString error = reply->errorString();
    if (cancelling || isUserCancel(error)) {
        UPD_INFO("ReturnExceptUserCancel") << "Network error"
                                           << ":" << error;
        return;
    }
    emit failed(UpdaterDialogs::translated(networkErrorTitle), error);
}

void InstallerDownload::onFinished()
{
    QNetworkReply *done = reply;
    reply = nullptr;
    const QString path = file.fileName();
    if (file.isOpen()) {
        file.write(done->readAll());
        file.close();
    }

    if (done->error() != QNetworkReply::NoError) {
        QFile::remove(path);
        const QString error = done->errorString();
        if (cancelling || isUserCancel(error))
            UPD_INFO("ReturnExceptUserCancel") << "Download failed"
                                               << ":" << error;
        else
            emit failed(UpdaterDialogs::translated(downloadFailedTitle), error);
        return;
    }

    const QVariant status = done->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || status.toInt() != httpOk) {
        QFile::remove(path);
        emit failed(UpdaterDialogs::translated(serverErrorTitle),
                    UpdaterDialogs::translated(statusText)
                        .arg(status.isValid() ? QString::number(status.toInt())
                                              : UpdaterDialogs::translated(noStatusText),
                             done->errorString()));
        return;
    }

    const QString type = done->header(QNetworkRequest::ContentTypeHeader).toString();
    if (type.startsWith(QLatin1String("text/html"))) {
        QFile::remove(path);
        emit failed(UpdaterDialogs::translated(htmlTitle),
                    QString::fromUtf8(done->readAll().left(htmlShownBytes)));
        return;
    }

    // A checksum in the manifest must match before the installer may run.
    if (!matchesChecksum(path, sha256)) {
        QFile::remove(path);
        emit failed(UpdaterDialogs::translated(downloadFailedTitle),
                    UpdaterDialogs::translated(checksumText).arg(QFileInfo(path).fileName()));
        return;
    }
    UPD_INFO("operator()") << "Download finished!";
    emit finished(path);
}

void InstallerDownload::discardFile()
{
    if (file.isOpen()) {
        file.close();
        QFile::remove(file.fileName());
    }
}
