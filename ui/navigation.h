#pragma once

#include "engine/clipmoor.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>

class AddressIntake;
class DesktopNotifier;
class WindowMenu;
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
    explicit Navigation(QWidget *parent = nullptr);
    ~Navigation() override;

    QCommandLineParser *parser; // set by the main function; not owned

signals:
    void updateKestrel(bool);
    void requestVideo(uint);
    void requestMetadata();
    void requestAudio();
    void requestMp3();

public slots:
    void whenStackedPageChanged(int index);
    void whenProcessButtonClicked();
    void whenFormatsReceived();
    void whenCallProcess();
    void whenSomethingWrong(Clipmoor::errorType code);
    void showMainWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void activateMenuActions();
    void whenScaleChosen(uint value);
    void whenMetadataReceived();
    void chooseFormat(const QModelIndex &index);
    void chooseAudio(bool mp3);
    void showDownloadStart();
    void fitTableRows();
    void whenDownloadFolderUnusable(const QString &chosen);
    void whenProgressDetails(const ProgressDetails &details);
    void whenVideoReceived();
    void whenToolUpdateRequested();
    void whenToolUpdated(QProcess::ExitStatus status);
    void showToolUpdate(bool shown);
    void whenRecovering(const ToolFailure::Note &note);
    void offerCookies(QMessageBox *box, Clipmoor::errorType code);
    void retryWithCookies(const QString &browser, Clipmoor::errorType code);
    void showPage(QWidget *page);
    void showError(Clipmoor::errorType code);
    QMessageBox *openMessage(QMessageBox::Icon icon, const QString &title, const QString &text);
    void openOutputFolder();
    void dropQuitQuestion();
    void applyColours();

    SessionData *sharedData;
    Ui::Navigation *ui;
    QWidget *returnPage = nullptr;
    WindowMenu *menu = nullptr;
    AddressIntake *addressIntake;
    DesktopNotifier *notifier;
    uint scale = 100;
    QPointer<QMessageBox> quitQuestion;
    bool applyingColours = false;
    bool soundAlone = false;      // the download running or done is of the sound alone
    bool toolUpdateShown = false; // the manual tool update waits on the busy page
};
