#pragma once

#include "engine/address.h"
#include "engine/clipmoor.h"

#include <QDialog>

class AddressIntake;
class QuitGuard;
class ToolUpdatePage;
class DesktopNotifier;
class WindowMenu;
class WindowScale;
class QCommandLineParser;
class QModelIndex;
struct SessionData;

namespace Ui {
class Navigation;
}

// The program's window: a stack of pages (address, formats, download, busy) driven by
// the user's actions and the engine's signals, with a context menu for the scale and
// the plug-in commands.
class Navigation : public QDialog {
    Q_OBJECT

public:
    // Drives engine, which works on session; both must outlive the window.
    Navigation(Clipmoor *engine, SessionData *session, QWidget *parent = nullptr);
    ~Navigation() override;

    QCommandLineParser *parser; // set by the main function; not owned

signals:
    void requestVideo(uint);
    void requestMetadata(const Address &address);
    void requestAudio();
    void requestMp3();

public slots:
    void whenProcessButtonClicked();
    void whenFormatsReceived(const VideoInfo &video);
    void whenCallProcess();
    void whenSomethingWrong(const Clipmoor::Failure &failure);
    void showMainWindow();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void activateMenuActions();
    void whenMetadataReceived(const VideoInfo &video);
    void chooseFormat(const QModelIndex &index);
    void chooseAudio(bool mp3);
    void showDownloadStart();
    void whenProgressDetails(const ProgressDetails &details);
    void whenVideoReceived(const VideoInfo &video);
    void whenToolUpdateRequested();
    void whenRecovering(const ToolFailure::Note &note);
    void retryWithCookies(const QString &browser, Clipmoor::errorType code);
    void showPage(QWidget *page);
    void showError(const Clipmoor::Failure &failure);
    void openOutputFolder();

    Clipmoor *engine;
    SessionData *sharedData;
    Ui::Navigation *ui;
    QWidget *returnPage = nullptr;
    WindowMenu *menu = nullptr;
    AddressIntake *addressIntake;
    DesktopNotifier *notifier;
    WindowScale *windowScale;
    QuitGuard *quitGuard;
    ToolUpdatePage *toolUpdate;
    bool soundAlone = false; // the download running or done is of the sound alone
};
