#include "updater/installerdownload.h"

#include "updater/updaterdialogs.h"
#include "updater/updaterlog.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

// What the user reads, kept together.
const char networkErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "Network error");
const char downloadFailedTitle[] = QT_TRANSLATE_NOOP("Updater", "Download failed");
const char serverErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "Server error");
const char htmlTitle[] = QT_TRANSLATE_NOOP("Updater", "Server returned HTML instead of file");
const char cannotWriteText[] = QT_TRANSLATE_NOOP("Updater", "Cannot open file %1 for writing: %2");
const char statusText[] = QT_TRANSLATE_NOOP("Updater", "HTTP status: %1\n%2");
const char checksumText[] = QT_TRANSLATE_NOOP(
    "Updater", "The downloaded installer %1 does not match its published SHA-256 checksum");
constexpr int httpOk = 200;

} // namespace

InstallerDownload::InstallerDownload(QObject *parent)
    : QObject(parent)
{
    HttpGet::Limits limits;
    limits.maxBytes = maxInstallerBytes;
    limits.stallMs = stallLimitMs;
    limits.deadlineMs = deadlineMs;
    get.setLimits(limits);
    connect(&get, &HttpGet::progress, this, &InstallerDownload::onProgress);
    connect(&get, &HttpGet::finished, this, &InstallerDownload::onFinished);
}

InstallerDownload::~InstallerDownload()
{
    get.cancel();
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

Result<> InstallerDownload::start(const QUrl &url, const QString &path, const QString &sha256_)
{
    file.setFileName(path);
    // Unbuffered, so that every failed write shows at once with its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail(UpdaterDialogs::translated(cannotWriteText).arg(path, file.errorString()));
    sha256 = sha256_;
    endReported = false;
    progressTimer.start();
    get.start(url, &file);
    return {};
}

void InstallerDownload::cancel()
{
    if (!get.isRunning())
        return;
    get.cancel();
    discardFile();
    UPD_INFO("ReturnExceptUserCancel") << "Download failed"
                                       << ":"
                                       << "Operation canceled";
}

void InstallerDownload::onProgress(qint64 received, qint64 total)
{
    // The client repeats its last count when the request ends.
    if (endReported)
        return;
    if (!progressSeen) {
        progressSeen = true;
        emit firstProgress();
    }
    const qint64 percent = total > 0 ? received * 100 / total : 0;
    if (received == total)
        endReported = true;
    else if (progressTimer.elapsed() < progressIntervalMs)
        return;
    progressTimer.restart();
    qInfo().noquote() << QStringLiteral("PRC: (%1%) %2 / %3").arg(percent).arg(received).arg(total);
    emit progressChanged(uint(percent));
}

void InstallerDownload::onFinished(const HttpGet::Reply &result)
{
    file.close();
    if (!result.ok()) {
        // A write that failed is the download's fault, everything else the network's.
        reportFailure(result.failure == HttpGet::Failure::WriteFailed ? downloadFailedTitle
                                                                      : networkErrorTitle,
                      result.errorText());
        return;
    }
    if (result.status != httpOk) {
        reportFailure(serverErrorTitle,
                      UpdaterDialogs::translated(statusText)
                          .arg(QString::number(result.status), result.url.toString()));
        return;
    }
    if (result.contentType.startsWith("text/html")) {
        reportFailure(htmlTitle, QString::fromUtf8(result.head));
        return;
    }
    // A checksum in the manifest must match before the installer may run.
    if (!sha256.isEmpty() &&
        QString::fromLatin1(result.sha256).compare(sha256, Qt::CaseInsensitive) != 0) {
        reportFailure(
            downloadFailedTitle,
            UpdaterDialogs::translated(checksumText).arg(QFileInfo(file.fileName()).fileName()));
        return;
    }
    // Without a total the end is known only now.
    if (!endReported)
        onProgress(result.bytes, result.bytes);
    UPD_INFO("operator()") << "Download finished!";
    emit finished(file.fileName());
}

void InstallerDownload::reportFailure(const char *title, const QString &text)
{
    QFile::remove(file.fileName());
    emit failed(UpdaterDialogs::translated(title), text);
}

void InstallerDownload::discardFile()
{
    if (file.isOpen()) {
        file.close();
        QFile::remove(file.fileName());
    }
}
