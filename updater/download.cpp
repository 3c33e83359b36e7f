#include "updater/updater.h"
#include "updater/updaterlog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {

constexpr int progressIntervalMs = 1000;
constexpr qsizetype htmlShownBytes = 512;

QString padded(const QString &caption)
{
    return QStringLiteral("%2%1%2").arg(caption, QStringLiteral("     "));
}

QString downloadsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

// The installer's name as the manifest's address gives it, or nothing when that name
// could land outside the Downloads folder or nowhere.
QString safeFileName(const QUrl &url)
{
    const QString name = url.fileName(QUrl::FullyDecoded);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    return name;
}

bool isUserCancel(const QString &error)
{
    return error == QLatin1String("Operation canceled");
}

QString sha256Of(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace

bool DownloadHelper::ensureDirExists(const QString &path, const QString &what)
{
    if (QDir().mkpath(path) && QFileInfo(path).isDir()) {
        UPD_INFO("ensureDirExists") << "OK:" << what << path;
        return true;
    }
    UPD_WARNING(Q_FUNC_INFO) << what << path;
    return false;
}

void Updater::downloadFile()
{
    UPD_INFO("downloadFile");
    const QString folder = downloadsFolder();
    if (!DownloadHelper::ensureDirExists(folder, QStringLiteral("output dir"))) {
        showCriticalMessage(this, QStringLiteral("Output dir error"),
                            QStringLiteral("Cannot create output directory: %1").arg(folder));
        return;
    }

    const QString name = safeFileName(updateUrl);
    if (name.isEmpty()) {
        showCriticalMessage(this, QStringLiteral("File error"),
                            QStringLiteral("The installer address %1 names no file to save")
                                .arg(updateUrl.toString()));
        return;
    }
    const QFileInfo target(QFileInfo(QStringLiteral("%1/%2").arg(folder, name)).absoluteFilePath());
    const QString path = target.absoluteFilePath();
    if (QFileInfo::exists(path)) {
        if (!askExistingInstaller(path)) {
            emit updateDone();
            closeWindow(true);
            return;
        }
        QFile::remove(path);
    }

    installerFile = new QFile(path);
    if (!installerFile->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString error = installerFile->errorString();
        installerFile->deleteLater();
        installerFile = nullptr;
        showCriticalMessage(this, QStringLiteral("File error"),
                            QStringLiteral("Cannot open file %1 for writing: %2").arg(path, error));
        return;
    }

    if (!networkManager) {
        networkManager = new QNetworkAccessManager(this);
        networkManager->setAutoDeleteReplies(true);
    }
    setUpdateState(Progress);
    reply = networkManager->get(QNetworkRequest(updateUrl));
    progressTimer.start();

    connect(reply, &QNetworkReply::downloadProgress, this, &Updater::onDownloadProgress);
    connect(reply, &QNetworkReply::readyRead, this, [this] {
        if (reply && installerFile)
            installerFile->write(reply->readAll());
    });
    connect(reply, &QNetworkReply::finished, this, [this, target] { onDownloadFinished(target); });
    connect(reply, &QNetworkReply::errorOccurred, this, [this, path] { onDownloadError(path); });
}

void Updater::onDownloadProgress(qint64 received, qint64 total)
{
    if (!progressDeterminate) {
        emit ideterminateProgressBar(false);
        progressDeterminate = true;
    }
    const qint64 percent = total > 0 ? received * 100 / total : 0;
    if (received != total && progressTimer.elapsed() < progressIntervalMs)
        return;
    progressTimer.restart();
    qInfo().noquote() << QStringLiteral("PRC: (%1%) %2 / %3").arg(percent).arg(received).arg(total);
    emit downloadProgressChanged(uint(percent));
}

void Updater::onDownloadError(const QString &path)
{
    if (installerFile) {
        installerFile->close();
        installerFile->deleteLater();
        installerFile = nullptr;
    }
    QFile::remove(path);
    const QString error = reply ? reply->errorString() : QString();
    if (isUserCancel(error)) {
        UPD_INFO("ReturnExceptUserCancel") << "Network error"
                                           << ":" << error;
        return;
    }
    showCriticalMessage(this, QStringLiteral("Network error"), error);
}

void Updater::onDownloadFinished(const QFileInfo &target)
{
    QNetworkReply *finished = reply;
    if (installerFile) {
        installerFile->flush();
        installerFile->close();
        installerFile->deleteLater();
    }
    reply = nullptr;
    installerFile = nullptr;
    if (!finished)
        return;
    const QString path = target.absoluteFilePath();

    if (finished->error() != QNetworkReply::NoError) {
        QFile::remove(path);
        const QString error = finished->errorString();
        if (isUserCancel(error))
            UPD_INFO("ReturnExceptUserCancel") << "Download failed"
                                               << ":" << error;
        else
            showCriticalMessage(this, QStringLiteral("Download failed"), error);
        return;
    }

    const QVariant status = finished->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || status.toInt() != 200) {
        QFile::remove(path);
        showCriticalMessage(this, QStringLiteral("Server error"),
                            QStringLiteral("HTTP status: %1\n%2")
                                .arg(status.isValid() ? QString::number(status.toInt())
                                                      : QStringLiteral("No HTTP status"),
                                     finished->errorString()));
        return;
    }

    const QString type = finished->header(QNetworkRequest::ContentTypeHeader).toString();
    if (type.startsWith(QLatin1String("text/html"))) {
        QFile::remove(path);
        showCriticalMessage(this, QStringLiteral("Server returned HTML instead of file"),
                            QString::fromUtf8(finished->readAll().left(htmlShownBytes)));
        return;
    }

    // A checksum in the manifest must match before the installer may run.
    if (!latestSha256.isEmpty() &&
        sha256Of(path).compare(latestSha256.trimmed(), Qt::CaseInsensitive) != 0) {
        QFile::remove(path);
        showCriticalMessage(this, QStringLiteral("Download failed"),
                            QStringLiteral("The downloaded installer %1 does not match its "
                                           "published SHA-256 checksum")
                                .arg(target.fileName()));
        return;
    }

    UPD_INFO("operator()") << "Download finished!";
    closeWindow(false);
    if (showDownloadedDialog(target))
        QCoreApplication::quit();
}

bool Updater::askExistingInstaller(const QString &path)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Installer already downloaded"),
                    QStringLiteral("The installer file already exists:\n%1\n\nDo you want to run "
                                   "the existing installer, or download it again?")
                        .arg(path));
    box.addButton(padded(QStringLiteral("Cancel")), QMessageBox::RejectRole);
    box.addButton(padded(QStringLiteral("Run Installer")), QMessageBox::AcceptRole);
    QPushButton *again =
        box.addButton(padded(QStringLiteral("Download Again")), QMessageBox::ApplyRole);
    box.setDefaultButton(again);
    box.exec();
    switch (box.buttonRole(box.clickedButton())) {
    case QMessageBox::ApplyRole:
        return true;
    case QMessageBox::AcceptRole:
        QProcess::startDetached(path, {});
        return false;
    default:
        return false;
    }
}

bool Updater::showDownloadedDialog(const QFileInfo &installer)
{
    const QString folder = downloadsFolder();
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("The update has been downloaded"),
        QStringLiteral("The update has been downloaded to your Downloads folder:\n%1\n\n"
                       "The %2 will now close and the installer will guide you through "
                       "the update process")
            .arg(folder, QCoreApplication::applicationName()));
    QPushButton *next = box.addButton(QStringLiteral("Next"), QMessageBox::AcceptRole);
    box.addButton(padded(QStringLiteral("Launch Installer Myself")), QMessageBox::RejectRole);
    box.setDefaultButton(next);
    box.exec();
    if (box.clickedButton() != next) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        return false;
    }
    const QFileInfo file(installer.absoluteFilePath());
    if (!file.exists() || !file.isFile())
        return false;
    return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
}
