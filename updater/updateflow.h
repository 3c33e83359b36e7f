#pragma once

#include "updater/manifestfetch.h"
#include "updater/updatecheck.h"
#include "updater/updaterstate.h"

#include <QObject>
#include <QPointer>

class AddressLookup;
class QMessageBox;
class InstallerDownload;
class UpdateSchedule;
class WindowController;

// The updater's course from a check to the installer: runs the checks by their rules,
// drives the window, downloads and hands off the installer, and tells the host
// updateDone() or updateError().
class UpdateFlow : public QObject {
    Q_OBJECT

public:
    struct Timing {
        int manualCheckDelayMs = 666; // lets the progress view paint first
        int cancelMessageMs = 3000;
        ManifestFetch::Limits manifest;
    };

    explicit UpdateFlow(QObject *parent = nullptr);
    ~UpdateFlow() override;

    void setTiming(const Timing &timing_) { timing = timing_; }
    // Set in a distribution's package (see UpdaterConfig): an offer then only tells of the
    // new version, and nothing is downloaded or started.
    void setUpdatesByPackageManager(bool byPackageManager);

    void startupCheck(uint localVersion, const QString &tag);
    void silentCheck(uint localVersion, const QString &tag);
    void manualCheck(uint localVersion, const QString &tag);
    void releaseGui();

    UpdateSchedule *schedule() const { return updateSchedule; }
    AddressLookup *addressLookup() const { return lookup; }
    WindowController *window() const { return controller; }
    InstallerDownload *download() const { return installer; }
    bool isChecking() const { return check; }

signals:
    void updateDone();
    void updateError();
    // Each check's outcome, after the flow has acted on it.
    void checkFinished(UpdaterState::State result);
    // The installer runs; the application is asked to quit next.
    void installerStarted();

private:
    enum class CheckKind { Startup, Silent, Manual };
    enum class Report { UnlessSilent, Always };

    void runCheck(uint localVersion, CheckKind kind);
    void dropCheck();
    void onCheckFinished(UpdaterState::State result, CheckKind kind);
    void onCheckFailed(const QString &title, const QString &text);
    void onUpdateClicked();
    void onCancelClicked();
    void onWindowHidden();
    void downloadInstaller();
    void startDownload(const QString &path);
    void runExistingInstaller(const QString &path);
    void onDownloaded(const QString &path);
    // Closes the window; its hiding tells the host updateDone() only when notify is set.
    void closeWindow(bool notify);
    void reportFailure(const QString &title, const QString &text,
                       Report report = Report::UnlessSilent);

    Timing timing;
    UpdateSchedule *updateSchedule;
    AddressLookup *lookup;
    WindowController *controller;
    InstallerDownload *installer;
    QPointer<UpdateCheck> check;
    UpdateOffer offer;
    bool notifyDoneOnHide = true;
    bool silent = false;            // failures are logged only
    QPointer<QMessageBox> errorBox; // while it is open, a second failure is logged only
    bool progressDeterminate = false;
    bool packaged = false;
};
