#pragma once

#include "plugins/interfaces/updateinterface.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QUrl>

class QFile;
class QFileInfo;
class QNetworkAccessManager;
class QNetworkReply;
class QQmlApplicationEngine;
class QSettings;
class QWindow;

// The update plug-in: checks the maker's manifest on a schedule or on request, shows
// its window, and downloads and starts a new installer.
class Updater : public UpdateInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID UpdateInterface_iid)
    Q_INTERFACES(UpdateInterface)
    Q_PROPERTY(State updateState READ getUpdateState WRITE setUpdateState NOTIFY updateStateChanged)
    Q_PROPERTY(bool skipUpdateWindow READ skipUpdateWindow WRITE setSkipUpdateWindow NOTIFY
                   skipUpdateChanged)

public:
    enum State { Indefinite = 0, UpdateYes = 1, UpdateNot = 2, Progress = 3 };
    Q_ENUM(State)

    explicit Updater(QObject *parent = nullptr);
    ~Updater() override;

    void startupCheck(uint localVersion, const QString &tag) override;
    void silentCheck(uint localVersion, const QString &tag) override;
    void manualCheck(uint localVersion, const QString &tag) override;
    void releaseGui() override;

    Q_INVOKABLE void userUpdateClicked();
    Q_INVOKABLE void userUpdateCancel();
    Q_INVOKABLE bool shouldShowUpdateWindow() const;

    State getUpdateState() const { return updateState; }
    void setUpdateState(State state);
    bool skipUpdateWindow() const;
    void setSkipUpdateWindow(bool skip);

    // Closes the window; its hiding tells the host updateDone() only when notify is set.
    void closeWindow(bool notify);
    bool errorDialogsSuppressed() const { return suppressErrorDialogs; }
    void setErrorDialogsSuppressed(bool suppressed) { suppressErrorDialogs = suppressed; }

    QString getPublicIP();

signals:
    void requestShowGUI(Updater::State);
    void requestUpdateState(Updater::State);
    void updateStateChanged();
    void ideterminateProgressBar(bool);
    void downloadProgressChanged(uint);
    void skipUpdateChanged();

private slots:
    void showGUI(Updater::State state);

private:
    State makeActualCheck(uint localVersion, const QString &tag);
    bool downloadJSON();
    bool parseJSON();
    void downloadFile();
    void onDownloadProgress(qint64 received, qint64 total);
    void onDownloadError(const QString &path);
    void onDownloadFinished(const QFileInfo &target);
    bool askExistingInstaller(const QString &path);
    bool showDownloadedDialog(const QFileInfo &installer);

    QNetworkAccessManager *networkManager = nullptr;
    QNetworkReply *reply = nullptr;
    QFile *installerFile = nullptr;
    QElapsedTimer progressTimer;
    bool progressDeterminate = false;
    QByteArray manifestData;
    bool updatesEnabled = false;
    QString publicIp;
    int updateKind = 0;
    QUrl updateUrl;
    uint localVersion = 0;
    uint latestVersion = 0;
    uint oldVersion = 0;
    QString latestPath;
    QString oldPath;
    QString latestSha256; // optional checksum of the latest installer
    QWindow *window = nullptr;
    bool notifyDoneOnHide = true;
    bool suppressErrorDialogs = false;
    QPointer<QQmlApplicationEngine> engine;
    State updateState = Indefinite;
    QSettings *settings = nullptr;
    QString skipUntilKey;
    QString lastCheckKey;
};

// The only way the updater reports a failure: closes the window, logs, and unless the
// check runs silently shows the error dialog and tells the host updateError().
void showCriticalMessage(Updater *updater, const QString &title, const QString &text);
void showCriticalDialog(const QString &title, const QString &text);

namespace DownloadHelper {
bool ensureDirExists(const QString &path, const QString &what);
}
