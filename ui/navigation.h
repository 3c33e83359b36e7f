#pragma once

#include "engine/address.h"
#include "engine/clipmoor.h"

#include <QDialog>
#include <QFont>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>

class ElidedTitle;
class FormatChoices;
class AddressIntake;
class DesktopNotifier;
class DownloadChoices;
class QLabel;
class QPushButton;
class SavedFile;
class ThumbnailView;
class QAction;
class QActionGroup;
class QCommandLineParser;
class QMenu;
class QMessageBox;
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
    void updateKestrel(bool);
    void requestVideo(uint);
    void requestMetadata(const Address &address);
    void requestAudio();
    void requestMp3();

public slots:
    void whenStackedPageChanged(int index);
    void whenProcessButtonClicked();
    void whenFormatsReceived(const VideoInfo &video);
    void whenCallProcess();
    void whenSomethingWrong(const Clipmoor::Failure &failure);
    void showMainWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void activateMenuActions();
    void whenMenuTriggered(QAction *action);
    void whenScaleChosen(QAction *entry);
    void whenMetadataReceived(const VideoInfo &video);
    void chooseFormat(const QModelIndex &index);
    QModelIndex enterChoice() const;
    void openMenuAtFocus();
    void chooseAudio(bool mp3);
    void showDownloadStart();
    void fitTableRows();
    void whenDownloadFolderUnusable(const QString &chosen, const QString &used);
    void whenProgressDetails(const ProgressDetails &details);
    void whenVideoReceived(const VideoInfo &video);
    void whenToolUpdateRequested();
    void whenToolUpdated(QProcess::ExitStatus status);
    void showToolUpdate(bool shown);
    void whenRecovering(const ToolFailure::Note &note);
    void offerCookies(QMessageBox *box, const Clipmoor::Failure &failure);
    void retryWithCookies(const QString &browser, Clipmoor::errorType code);
    void showPage(QWidget *page);
    void showError(const Clipmoor::Failure &failure);
    QMessageBox *openMessage(QMessageBox::Icon icon, const QString &title, const QString &text);
    void fitDownloadTexts();
    void addDownloadChoiceWidgets();
    void openOutputFolder();
    void dropQuitQuestion();
    void styleTable();
    void applyColours();

    Clipmoor *engine;
    SessionData *sharedData;
    Ui::Navigation *ui;
    QWidget *returnPage = nullptr;
    QPointer<QMenu> menu;
    QAction *manualUpdateAction = nullptr;
    QAction *loggingAction = nullptr;
    QAction *showUidAction = nullptr;
    QAction *aboutAction = nullptr;
    QActionGroup *scaleEntries = nullptr;
    AddressIntake *addressIntake;
    DesktopNotifier *notifier;
    uint scale = 100;
    ElidedTitle *formatsTitle;
    ElidedTitle *downloadTitle;
    QHash<QWidget *, QFont> designedFonts; // the download page's, before fitting
    QPointer<QMessageBox> quitQuestion;
    bool applyingColours = false;
    bool soundAlone = false;      // the download running or done is of the sound alone
    bool toolUpdateShown = false; // the manual tool update waits on the busy page
    ThumbnailView *thumbnail;
    QPushButton *audioButton;
    QPushButton *mp3Button;
    FormatChoices *formatChoices;
    SavedFile *savedFile;
    DownloadChoices *downloadChoices;
    QLabel *stepLabel; // what the launcher tries while the busy bar runs
};

// The stored scale when it is a whole percentage from 50 to 300, else 100.
uint usableScale(const QVariant &stored);

// A design length in pixels at the given scale in percent.
int scaledLength(int designLength, uint scale);

// A video title as the window shows it: control characters removed, white space simplified.
QString shownTitle(const QString &title);

// How many table rows to show in a viewport: a last row counts when more than 0.3 of it fits.
int visibleRowCount(int viewportHeight, int rowHeight);
