#include "ui/navigation.h"

#include "app/logtag.h"
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/toolerror.h"
#include "plugins/pluginmanagerhelper.h"
#include "ui/addressintake.h"
#include "ui/designsize.h"
#include "ui/desktopnotifier.h"
#include "ui/enginewarnings.h"
#include "ui/errormessage.h"
#include "ui/pagecolours.h"
#include "ui/quitguard.h"
#include "ui/startupchecks.h"
#include "ui/toolupdatepage.h"
#include "ui/windowkeys.h"
#include "ui/windowmenu.h"
#include "ui/windowscale.h"
#include "ui_navigation.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QIcon>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

using PluginManagerHelper::updaterPlugin;

// The images live in this static library; their registration must be pulled in.
static void initImages()
{
    Q_INIT_RESOURCE(images);
}

Navigation::Navigation(Clipmoor *engine_, SessionData *session, QWidget *parent)
    : QDialog(parent)
    , parser(nullptr)
    , engine(engine_)
    , sharedData(session)
    , ui(new Ui::Navigation)
{
    initImages();
    ui->setupUi(this);
    // Docks and task bars show it beside the window's name.
    setWindowIcon(QIcon(QStringLiteral(":/img/clipmoor.png")));
    ui->btn_Back_from_Process->setImage(QStringLiteral(":/img/btn_back_big.svg"),
                                        DesignSize::backCaption);
    ui->pushButton_Process->setImage(QStringLiteral(":/img/btn_process.svg"),
                                     DesignSize::processCaption);

    new PageColours(this, ui->page_Formats, ui->page_Download);
    QSizePolicy keepRoom = ui->btn_Back_from_Process->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    ui->btn_Back_from_Process->setSizePolicy(keepRoom);
    addressIntake = new AddressIntake(this, ui->editURL, engine, sharedData->settings);
    notifier = new DesktopNotifier(this);
    // Before the window's answers to the engine, so that the question goes first.
    quitGuard = new QuitGuard(engine, this);
    windowScale = new WindowScale(this,
                                  {ui->stackedWidget, ui->page_URL, ui->btn_Back_from_Process,
                                   ui->pushButton_Process, ui->page_Formats, ui->page_Download},
                                  sharedData->settings);
    ui->page_Formats->setUp(sharedData);
    activateMenuActions();

    connect(this, &Navigation::requestVideo, engine, &Clipmoor::requestVideo);
    connect(this, &Navigation::requestMetadata, engine, &Clipmoor::requestMetadata);
    connect(this, &Navigation::requestAudio, engine, &Clipmoor::requestAudio);
    connect(this, &Navigation::requestMp3, engine, &Clipmoor::requestMp3);
    connect(engine, &Clipmoor::haveSubtitles, ui->page_Formats, &FormatPage::subtitlesKnown);
    connect(engine, &Clipmoor::haveThumbnail, ui->page_Formats, &FormatPage::fetchThumbnail);
    connect(ui->page_Formats, &FormatPage::formatChosen, this, &Navigation::chooseFormat);
    connect(ui->page_Formats, &FormatPage::audioChosen, this, &Navigation::chooseAudio);
    auto *keys = new WindowKeys(this, ui->stackedWidget, ui->page_Formats);
    connect(keys, &WindowKeys::formatEntered, this, &Navigation::chooseFormat);
    connect(ui->editURL, &QLineEdit::returnPressed, this, &Navigation::whenCallProcess);
    connect(ui->pushButton_Process, &QPushButton::clicked, this, &Navigation::whenCallProcess);
    connect(ui->page_Download, &DownloadPage::cancelled, engine,
            [this] { engine->stopTool(false); });
    connect(engine, &Clipmoor::somethingWrong, this, &Navigation::whenSomethingWrong);
    connect(engine, &Clipmoor::haveFormats, this, &Navigation::whenFormatsReceived);
    connect(engine, &Clipmoor::haveMetadata, this, &Navigation::whenMetadataReceived);
    connect(engine, &Clipmoor::haveVideo, this, &Navigation::whenVideoReceived);
    connect(engine, &Clipmoor::progressDetails, this, &Navigation::whenProgressDetails);
    connect(engine, &Clipmoor::recovering, this, &Navigation::whenRecovering);
    connect(ui->btn_Back_from_Process, &QPushButton::clicked, this,
            [this] { showPage(returnPage); });
    // Stopped first, so that an address the page takes from the clipboard is prepared.
    connect(ui->page_Formats, &FormatPage::back, this, [this] {
        engine->stopTool(true);
        showPage(ui->page_URL);
    });
    connect(ui->page_Download, &DownloadPage::back, this, [this] { showPage(ui->page_Formats); });
    // Starting over leaves the field empty, so that a newly copied link is offered.
    connect(ui->page_Download, &DownloadPage::startOver, this, [this] {
        ui->editURL->clear();
        showPage(returnPage);
    });
    connect(ui->page_Download, &DownloadPage::openFolder, this, &Navigation::openOutputFolder);
    connect(notifier, &DesktopNotifier::openFolderRequested, this, &Navigation::openOutputFolder);

    if (ui->stackedWidget->currentWidget() != ui->pageEmpty) {
        returnPage = ui->pageEmpty;
        showPage(ui->pageEmpty);
    }

    toolUpdate = new ToolUpdatePage(engine, ui->label_Waiting, ui->btnCancelUpdate, this);
    connect(toolUpdate, &ToolUpdatePage::cancelled, this, [this] { showPage(returnPage); });
    connect(toolUpdate, &ToolUpdatePage::ended, this, [this] { showPage(returnPage); });
    new EngineWarnings(engine, this);
    engine->updateBinary(true);
}

Navigation::~Navigation()
{
    if (updaterPlugin().get())
        updaterPlugin().get()->releaseGui();
    delete ui;
}

void Navigation::showPage(QWidget *page)
{
    // The address page's back button leads somewhere only after a tool update began
    // elsewhere.
    ui->btn_Back_from_Process->setVisible(returnPage != ui->page_URL);
    ui->stackedWidget->setCurrentWidget(page);
    if (page == ui->page_URL)
        addressIntake->offerClipboard();
}

void Navigation::openOutputFolder()
{
    const QString folder = sharedData->video.folder;
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder.isEmpty() ? outputDir() : folder));
}

void Navigation::showMainWindow()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    if (!isVisible())
        show();
    returnPage = ui->page_URL;
    whenProcessButtonClicked();
    runStartupChecks(parser);
}

void Navigation::whenProcessButtonClicked()
{
    showPage(ui->page_URL);
    ui->editURL->setFocus(Qt::OtherFocusReason);
}

void Navigation::whenCallProcess()
{
    const std::optional<Address> address = Address::accept(ui->editURL->text());
    if (!address) {
        openMessage(this, QMessageBox::Warning, tr("WARNING"),
                    tr("WARNING: You must provide at least some valid YouTube URL to proceed"));
        return;
    }
    ui->page_Formats->clear();
    showPage(ui->page_Formats);
    ui->page_Formats->focusBack();
    emit requestMetadata(*address);
}

void Navigation::whenMetadataReceived(const VideoInfo &video)
{
    ui->page_Formats->showMetadata(video.title, video.duration);
}

void Navigation::whenFormatsReceived(const VideoInfo &video)
{
    qDebug().noquote() << "-->" << CLM_TAG;
    // The table reads the formats in place, in the session's record that video is.
    Q_ASSERT(&video == &sharedData->video);
    ui->page_Formats->showFormats(sharedData->video);
}

void Navigation::chooseFormat(const QModelIndex &index)
{
    if (!index.isValid()) {
        qCritical() << "!!! ERROR: index invalid:" << index;
        return;
    }
    soundAlone = false;
    showDownloadStart();
    const uint code = index.sibling(index.row(), 1).data().toUInt();
    qDebug().noquote() << QStringLiteral("Requesting video with FormatID: %1").arg(code);
    emit requestVideo(code);
}

void Navigation::chooseAudio(bool mp3)
{
    soundAlone = true;
    showDownloadStart();
    qDebug().noquote() << "Requesting the sound alone" << (mp3 ? "as MP3" : "");
    if (mp3)
        emit requestMp3();
    else
        emit requestAudio();
}

void Navigation::showDownloadStart()
{
    showPage(ui->page_Download);
    ui->page_Download->start(ui->page_Formats->title());
}

void Navigation::whenProgressDetails(const ProgressDetails &details)
{
    ui->page_Download->showProgress(details);
}

void Navigation::whenVideoReceived(const VideoInfo &video)
{
    qDebug().noquote() << "-->" << CLM_TAG;
    notifier->downloadFinished(video.title);
    ui->page_Download->finish(soundAlone, video.savedFile);
}

// The plain line and its next step first, the code after them, and the tool's own words,
// in English, behind "Show Details…".
void Navigation::showError(const Clipmoor::Failure &failure)
{
    const Clipmoor::errorType code = failure.code;
    openErrorBox(this, failure,
                 sharedData->settings->value(QLatin1String(cookiesBrowserKey)).toString(),
                 [this, code](const QString &browser) { retryWithCookies(browser, code); });
}

// Shown where the user is, while the busy bar or the progress goes on.
void Navigation::whenRecovering(const ToolFailure::Note &note)
{
    const QString text = toolStepText(note);
    if (text.isEmpty())
        return;
    QWidget *page = ui->stackedWidget->currentWidget();
    if (page == ui->page_Download)
        ui->page_Download->showDetails(text);
    else if (page == ui->page_Formats)
        ui->page_Formats->showStep(text);
}

void Navigation::retryWithCookies(const QString &browser, Clipmoor::errorType code)
{
    qDebug().noquote() << "-->" << CLM_TAG << browser;
    menu->setCookiesBrowser(browser);
    if (code != Clipmoor::VideoFailed) {
        whenCallProcess();
        return;
    }
    showDownloadStart();
    if (sharedData->video.formatCode == 0)
        emit requestAudio();
    else
        emit requestVideo(sharedData->video.formatCode);
}

void Navigation::whenSomethingWrong(const Clipmoor::Failure &failure)
{
    const Clipmoor::errorType code = failure.code;
    ui->page_Formats->stopBusy();
    // A download's end is told outside the window before any dialog waits for the user.
    const bool downloading = ui->stackedWidget->currentWidget() == ui->page_Download;
    if (code == Clipmoor::VideoCrashed || code == Clipmoor::VideoFailed ||
        (code == Clipmoor::ToolNotStarted && downloading))
        notifier->downloadFailed(sharedData->video.title);
    switch (code) {
    case Clipmoor::MetadataStopped:
    case Clipmoor::FormatsStopped:
        showPage(ui->page_URL);
        return;
    case Clipmoor::VideoStopped:
        showPage(ui->page_Formats);
        return;
    case Clipmoor::MetadataTooFewLines:
    case Clipmoor::MetadataBadDuration:
    case Clipmoor::MetadataCrashed:
    case Clipmoor::ToolNotStarted:
        // Nothing is known of the video: back to its address, to mend it or try again.
        whenProcessButtonClicked();
        break;
    case Clipmoor::FormatsCrashed:
    case Clipmoor::FormatCount:
    case Clipmoor::FormatsFailed:
        // The title and length stay; there is no table to offer.
        ui->page_Formats->hideTable();
        break;
    case Clipmoor::VideoCrashed:
    case Clipmoor::VideoFailed:
        // Nothing on the download page works after a failure: back to the formats.
        showPage(ui->page_Formats);
        break;
    }
    showError(failure);
}

void Navigation::whenToolUpdateRequested()
{
    returnPage = ui->stackedWidget->currentWidget();
    showPage(ui->pageEmpty);
    toolUpdate->begin();
}

void Navigation::activateMenuActions()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    menu = new WindowMenu(windowScale->percent(), sharedData->settings, this);
    connect(menu, &WindowMenu::preparingTurnedOff, engine, &Clipmoor::stopPreparing);
    menu->openFrom(ui->stackedWidget, ui->editURL);
    connect(menu, &WindowMenu::scaleChosen, windowScale, &WindowScale::choose);
    connect(menu, &WindowMenu::toolUpdateRequested, this, &Navigation::whenToolUpdateRequested);
}

void Navigation::contextMenuEvent(QContextMenuEvent *event)
{
    // The mouse opens the menu on the pages; the keyboard (the Menu key, or Shift+F10)
    // opens it here, at the widget that has the focus.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    menu->openAtFocus();
}

void Navigation::closeEvent(QCloseEvent *event)
{
    if (!quitGuard->mayClose()) {
        event->ignore();
        return;
    }
    engine->stopPreparing();
    QDialog::closeEvent(event);
}
