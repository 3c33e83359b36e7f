#include "updater/updateflow.h"

#include "updater/addresslookup.h"
#include "updater/installerdownload.h"
#include "updater/updaterconfig.h"
#include "updater/updaterdialogs.h"
#include "updater/updaterlog.h"
#include "updater/updaterplatform.h"
#include "updater/updateschedule.h"
#include "updater/windowcontroller.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

namespace {

// What the user reads, kept together.
const char installerErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "Installer error");
const char downloadFailedTitle[] = QT_TRANSLATE_NOOP("Updater", "Download failed");
const char outputDirErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "Output dir error");
const char fileErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "File error");
const char notHttpText[] =
    QT_TRANSLATE_NOOP("Updater", "The installer address %1 is not an http or https address");
const char noDirText[] = QT_TRANSLATE_NOOP("Updater", "Cannot create output directory: %1");
const char noFileNameText[] =
    QT_TRANSLATE_NOOP("Updater", "The installer address %1 names no file to save");
const char checksumText[] =
    QT_TRANSLATE_NOOP("Updater", "The installer %1 does not match its published SHA-256 checksum");

QString downloadsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

bool ensureDirExists(const QString &path, const QString &what)
{
    if (QDir().mkpath(path) && QFileInfo(path).isDir()) {
        UPD_INFO("ensureDirExists") << "OK:" << what << path;
        return true;
    }
    UPD_WARNING("bool DownloadHelper::ensureDirExists(const QString&, const QString&)")
        << what << path;
    return false;
}

} // namespace

UpdateFlow::UpdateFlow(QObject *parent)
    : QObject(parent)
    , updateSchedule(new UpdateSchedule(this))
    , lookup(new AddressLookup(this))
    , controller(new WindowController(updateSchedule, this))
    , installer(new InstallerDownload(this))
{
    connect(controller, &WindowController::updateClicked, this, &UpdateFlow::onUpdateClicked);
    connect(controller, &WindowController::cancelClicked, this, &UpdateFlow::onCancelClicked);
    connect(controller, &WindowController::hidden, this, &UpdateFlow::onWindowHidden);
    connect(installer, &InstallerDownload::firstProgress, this, [this] {
        if (!std::exchange(progressDeterminate, true))
            emit controller->ideterminateProgressBar(false);
    });
    connect(installer, &InstallerDownload::progressChanged, controller,
            &WindowController::downloadProgressChanged);
    connect(installer, &InstallerDownload::failed, this,
            [this](const QString &title, const QString &text) { reportFailure(title, text); });
    connect(installer, &InstallerDownload::finished, this, &UpdateFlow::onDownloaded);
    setUpdatesByPackageManager(UpdaterConfig::distributionPackage());
}

void UpdateFlow::setUpdatesByPackageManager(bool byPackageManager)
{
    packaged = byPackageManager;
    controller->setPackageManaged(byPackageManager);
}

UpdateFlow::~UpdateFlow()
{
    dropCheck();
    releaseGui();
}

void UpdateFlow::startupCheck(uint localVersion, const QString &)
{
    if (updateSchedule->skipRunning()) {
        qInfo().noquote() << "> Don't check for update for 2 weeks";
        closeWindow(true);
        return;
    }
    silent = true;
    if (updateSchedule->checkedToday()) {
        qInfo().noquote() << "> Already checked today, do nothing";
        closeWindow(true);
        return;
    }
    // Recorded first, so that a failed check still counts as today's.
    updateSchedule->recordCheckToday();
    runCheck(localVersion, CheckKind::Startup);
}

void UpdateFlow::silentCheck(uint localVersion, const QString &tag)
{
    UPD_INFO("virtual void Updater::silentCheck(uint, const QString&)") << tag << localVersion;
    silent = true;
    runCheck(localVersion, CheckKind::Silent);
}

void UpdateFlow::manualCheck(uint localVersion, const QString &tag)
{
    UPD_INFO("virtual void Updater::manualCheck(uint, const QString&)") << tag << localVersion;
    silent = false;
    dropCheck();
    controller->show(UpdaterState::Progress);
    runCheck(localVersion, CheckKind::Manual);
}

void UpdateFlow::runCheck(uint localVersion, CheckKind kind)
{
    // A newer check replaces one still running.
    dropCheck();
    check = new UpdateCheck(lookup, timing.manifest, this);
    connect(check, &UpdateCheck::finished, this,
            [this, kind](UpdaterState::State result) { onCheckFinished(result, kind); });
    connect(check, &UpdateCheck::failed, this, &UpdateFlow::onCheckFailed);
    const QUrl url = UpdaterConfig::manifestUrl();
    const int delay = kind == CheckKind::Manual ? timing.manualCheckDelayMs : 0;
    QTimer::singleShot(delay, Qt::PreciseTimer, check,
                       [this, url, localVersion] { check->start(url, localVersion); });
}

void UpdateFlow::dropCheck()
{
    if (!check)
        return;
    check->disconnect(this);
    check->deleteLater();
    check = nullptr;
}

void UpdateFlow::onCheckFinished(UpdaterState::State result, CheckKind kind)
{
    if (result == UpdaterState::UpdateYes) {
        offer = check->offer();
        // The package manager brings the new version; no page or installer of ours.
        if (packaged)
            offer = UpdateOffer{UpdateOffer::PackageManager, QUrl(), QString()};
    }
    dropCheck();
    if (result == UpdaterState::UpdateYes && kind != CheckKind::Manual)
        controller->show(UpdaterState::UpdateYes);
    else if (kind == CheckKind::Manual && result != UpdaterState::Progress)
        controller->setUpdateState(result);
    emit checkFinished(result);
}

void UpdateFlow::onCheckFailed(const QString &title, const QString &text)
{
    dropCheck();
    reportFailure(title, text);
    closeWindow(false);
    emit checkFinished(UpdaterState::Progress);
}

void UpdateFlow::onUpdateClicked()
{
    UPD_INFO("void Updater::userUpdateClicked()")
        << int(offer.kind) << "what:" << offer.url.toString();
    if (offer.kind == UpdateOffer::PackageManager) {
        closeWindow(true);
        return;
    }
    if (offer.kind == UpdateOffer::WebPage) {
        QDesktopServices::openUrl(offer.url);
        closeWindow(false);
        return;
    }
    downloadInstaller();
}

void UpdateFlow::onCancelClicked()
{
    UPD_INFO("void Updater::userUpdateCancel()");
    if (!installer->isRunning()) {
        closeWindow(false);
        return;
    }
    installer->cancel();
    UpdaterDialogs::showCancelled(timing.cancelMessageMs, this, [this] { closeWindow(true); });
}

void UpdateFlow::onWindowHidden()
{
    // A check or download whose window the user closed is not wanted any more.
    dropCheck();
    installer->cancel();
    if (notifyDoneOnHide)
        emit updateDone();
}

void UpdateFlow::downloadInstaller()
{
    UPD_INFO("downloadFile");
    if (!InstallerDownload::isFetchable(offer.url)) {
        reportFailure(UpdaterDialogs::translated(downloadFailedTitle),
                      UpdaterDialogs::translated(notHttpText).arg(offer.url.toString()));
        return;
    }
    const QString folder = downloadsFolder();
    if (!ensureDirExists(folder, QStringLiteral("output dir"))) {
        reportFailure(UpdaterDialogs::translated(outputDirErrorTitle),
                      UpdaterDialogs::translated(noDirText).arg(folder));
        return;
    }
    const QString name = InstallerDownload::safeFileName(offer.url);
    if (name.isEmpty()) {
        reportFailure(UpdaterDialogs::translated(fileErrorTitle),
                      UpdaterDialogs::translated(noFileNameText).arg(offer.url.toString()));
        return;
    }
    const QString path = QFileInfo(QStringLiteral("%1/%2").arg(folder, name)).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        startDownload(path);
        return;
    }
    UpdaterDialogs::askExistingInstaller(path, this,
                                         [this, path](UpdaterDialogs::ExistingInstaller answer) {
                                             switch (answer) {
                                             case UpdaterDialogs::ExistingInstaller::Cancel:
                                                 closeWindow(false);
                                                 emit updateDone();
                                                 return;
                                             case UpdaterDialogs::ExistingInstaller::Run:
                                                 runExistingInstaller(path);
                                                 return;
                                             case UpdaterDialogs::ExistingInstaller::DownloadAgain:
                                                 QFile::remove(path);
                                                 startDownload(path);
                                                 return;
                                             }
                                         });
}

void UpdateFlow::startDownload(const QString &path)
{
    if (const Result<> started = installer->start(offer.url, path, offer.sha256); !started) {
        reportFailure(UpdaterDialogs::translated(fileErrorTitle), started.error());
        return;
    }
    controller->setUpdateState(UpdaterState::Progress);
}

void UpdateFlow::runExistingInstaller(const QString &path)
{
    if (!InstallerDownload::matchesChecksum(path, offer.sha256)) {
        reportFailure(UpdaterDialogs::translated(installerErrorTitle),
                      UpdaterDialogs::translated(checksumText).arg(path), Report::Always);
        return;
    }
    if (const Result<> started = UpdaterPlatform::startInstaller(path); !started) {
        reportFailure(UpdaterDialogs::translated(installerErrorTitle), started.error(),
                      Report::Always);
        return;
    }
    closeWindow(false);
    emit updateDone();
}

void UpdateFlow::onDownloaded(const QString &path)
{
    closeWindow(false);
    const QString folder = downloadsFolder();
    UpdaterDialogs::askStartDownloaded(
        folder, QCoreApplication::applicationName(), this, [this, folder, path](bool next) {
            if (!next) {
                QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
                return;
            }
            if (const Result<> started = UpdaterPlatform::startInstaller(path); !started) {
                reportFailure(UpdaterDialogs::translated(installerErrorTitle), started.error(),
                              Report::Always);
                return;
            }
            emit installerStarted();
            QCoreApplication::quit();
        });
}

void UpdateFlow::closeWindow(bool notify)
{
    notifyDoneOnHide = notify;
    controller->close();
}

void UpdateFlow::reportFailure(const QString &title, const QString &text, Report report)
{
    const QString simplified = text.simplified();
    closeWindow(false);
    UPD_ERROR("void showCriticalMessage(Updater*, const QString&, const QString&)")
        << title << ":" << simplified;
    if (errorBox || (silent && report == Report::UnlessSilent))
        return;
    errorBox =
        UpdaterDialogs::showCritical(title, simplified, this, [this] { emit updateError(); });
}

void UpdateFlow::releaseGui()
{
    controller->release();
}
