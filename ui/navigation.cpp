#include "ui/navigation.h"

#include "app/identity.h"
#include "app/logtag.h"
#include "app/sessiondata.h"
#include "app/setup.h"
#include "engine/formattablemodel.h"
#include "engine/toolerror.h"
#include "platform/platform.h"
#include "plugins/pluginmanagerhelper.h"
#include "toolruns/toolruns.h"
#include "ui/addressintake.h"
#include "ui/desktopnotifier.h"
#include "ui/downloadchoices.h"
#include "ui/elidedtitle.h"
#include "ui/formatchoices.h"
#include "ui/imagebutton.h"
#include "ui/savedfile.h"
#include "ui/thumbnailview.h"
#include "ui_navigation.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

using PluginManagerHelper::aboutPlugin;
using PluginManagerHelper::loggingPlugin;
using PluginManagerHelper::sysInfoPlugin;
using PluginManagerHelper::updaterPlugin;

namespace {

constexpr uint scaleValues[] = {90, 100, 110, 120, 125, 130, 135, 140, 145};
constexpr uint defaultScale = 100;
// A stored scale outside the menu's values is used as it is, unless it cannot be one.
constexpr uint minimumScale = 50;
constexpr uint maximumScale = 300;
constexpr int toolUpdateDelayMs = 333;

// The window's lengths in design pixels (see scaledLength), in one place.
namespace DesignSize {
constexpr int windowWidth = 624;
constexpr int addressPageHeight = 208; // also the empty page's
constexpr int formatPageHeight = 417;
constexpr int downloadPageHeight = 234;
constexpr QSize bigBackButton(101, 43);
constexpr QSize processButton(250, 70);
constexpr QSize smallBackButton(33, 33);
constexpr int startOverWidth = 120; // at least, in screen pixels
// The images' captions, in the images' own units.
const ImageButton::Caption backCaption{{62, 27.5}, 37, 92, 16, QColor(0x37, 0x47, 0x4f)};
const ImageButton::Caption processCaption{{145, 42}, 68, 232, 26, Qt::white};
constexpr int thumbnailHeight = 72;
// Design pixels per screen pixel at 100 %, taken in single precision as the design does.
constexpr double pixelFactor = double(float(8.0 / 13.0));
// The table's font size in pixels per percent of scale.
constexpr double tableFontPerScale = 0.14;
} // namespace DesignSize

// The finished text: the design's green, as light as the theme's text allows.
QColor doneColour(const QPalette &palette)
{
    const int lightness = qBound(64, palette.color(QPalette::WindowText).lightness(), 180);
    return QColor::fromHsl(120, 255, lightness);
}

// A chosen row: a shade of the text over the base, the design's #D3D3D3 on white.
QColor selectionColour(const QPalette &palette)
{
    constexpr double textShare = 44.0 / 255.0;
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const auto mix = [](int from, int to) {
        return int(from + (to - from) * textShare);
    };
    return QColor(mix(base.red(), text.red()), mix(base.green(), text.green()),
                  mix(base.blue(), text.blue()));
}

const char description[] =
    QT_TRANSLATE_NOOP("Navigation", "A simple downloader for single YouTube videos.");

} // namespace

// The images live in this static library; their registration must be pulled in.
static void initImages()
{
    Q_INIT_RESOURCE(images);
}

int scaledLength(int designLength, uint scale)
{
    return int(designLength * DesignSize::pixelFactor * (scale / 100.0));
}

uint usableScale(const QVariant &stored)
{
    bool ok = false;
    const uint value = stored.toString().toUInt(&ok);
    return ok && value >= minimumScale && value <= maximumScale ? value : defaultScale;
}

QString shownTitle(const QString &title)
{
    // Control characters would draw as boxes or break the line; tabs and line breaks
    // count as blanks.
    QString text;
    text.reserve(title.size());
    for (const QChar c : title) {
        if (c.category() != QChar::Other_Control)
            text.append(c);
        else if (c.isSpace())
            text.append(QLatin1Char(' '));
    }
    return text.simplified();
}

int visibleRowCount(int viewportHeight, int rowHeight)
{
    if (rowHeight <= 0 || viewportHeight <= 0)
        return 0;
    const double fit = double(viewportHeight) / rowHeight;
    const double whole = std::floor(fit);
    return int(fit - whole > 0.3 ? std::ceil(fit) : whole);
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
    ui->btn_Back_from_Formats->setImage(QStringLiteral(":/img/btn_back_small.svg"));
    ui->btn_Back_Last->setImage(QStringLiteral(":/img/btn_back_small.svg"));
    formatsTitle = new ElidedTitle(ui->labelTitle);
    downloadTitle = new ElidedTitle(ui->label_TitleDownload);
    // The titles take the room left beside the duration and the "Downloading" text.
    ui->horizontalLayout_7->setStretchFactor(ui->labelTitle, 1);
    ui->horizontalLayout_10->setStretchFactor(ui->label_TitleDownload, 1);

    applyColours();
    QSizePolicy keepRoom = ui->btn_Back_from_Process->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    ui->btn_Back_from_Process->setSizePolicy(keepRoom);
    ui->labelNoFormats->hide();
    stepLabel = new QLabel(ui->page_Formats);
    stepLabel->setObjectName(QStringLiteral("labelStep"));
    stepLabel->setAlignment(Qt::AlignCenter);
    stepLabel->setWordWrap(true);
    stepLabel->hide();
    if (auto *column = qobject_cast<QBoxLayout *>(ui->page_Formats->layout()))
        column->insertWidget(column->indexOf(ui->progressBar) + 1, stepLabel);
    ui->editURL->setPlaceholderText(tr("Paste a YouTube video address"));
    ui->editURL->setAccessibleDescription(
        tr("The address of the YouTube video to download, then press Enter"));
    ui->progressBarDL->setAccessibleName(tr("Download progress"));
    ui->progressBar->setAccessibleName(tr("Reading the video's formats"));
    ui->progressBar_2->setAccessibleName(tr("Busy"));
    addressIntake = new AddressIntake(this, ui->editURL);
    connect(addressIntake, &AddressIntake::taken, this, [this](const Address &address) {
        if (DownloadChoices::prepareCopied(sharedData->settings))
            engine->prepare(address);
    });
    notifier = new DesktopNotifier(this);
    ui->tableView->installEventFilter(this);
    ui->editURL->installEventFilter(this);
    // Shift+F10 asks the focused widget for its menu, as the Menu key does.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget *focus = focusWidget();
        if (!focus)
            return;
        const QPoint at = focus->rect().center();
        QContextMenuEvent ask(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QApplication::sendEvent(focus, &ask);
    });
    // The form cannot carry the in-between weight for this Qt's form compiler.
    QFont openFolder = ui->btnOpenFolder->font();
    openFolder.setWeight(QFont::Medium);
    ui->btnOpenFolder->setFont(openFolder);
    for (QWidget *text :
         {static_cast<QWidget *>(ui->label_DL_OK), static_cast<QWidget *>(ui->label_DL_Details),
          static_cast<QWidget *>(ui->btnStartOver), static_cast<QWidget *>(ui->btnOpenFolder)})
        designedFonts.insert(text, text->font());
    scale = usableScale(sharedData->settings->value(QStringLiteral("Scale/Val"), defaultScale));
    addDownloadChoiceWidgets();
    activateMenuActions();

    connect(this, &Navigation::requestVideo, engine, &Clipmoor::requestVideo);
    connect(this, &Navigation::requestMetadata, engine, &Clipmoor::requestMetadata);
    connect(this, &Navigation::requestAudio, engine, &Clipmoor::requestAudio);
    connect(this, &Navigation::requestMp3, engine, &Clipmoor::requestMp3);
    connect(engine, &Clipmoor::haveSubtitles, formatChoices, &FormatChoices::subtitlesKnown);
    connect(engine, &Clipmoor::haveThumbnail, thumbnail, &ThumbnailView::fetch);
    connect(thumbnail, &ThumbnailView::shown, this, &Navigation::fitTableRows);
    connect(formatChoices, &FormatChoices::changed, this, &Navigation::fitTableRows);
    connect(audioButton, &QPushButton::clicked, this, [this] { chooseAudio(false); });
    connect(mp3Button, &QPushButton::clicked, this, [this] { chooseAudio(true); });
    connect(engine, &Clipmoor::downloadFolderUnusable, this,
            &Navigation::whenDownloadFolderUnusable);
    connect(ui->editURL, &QLineEdit::returnPressed, this, &Navigation::whenCallProcess);
    // What the user changes is no longer the address that was being prepared.
    connect(ui->editURL, &QLineEdit::textEdited, engine, &Clipmoor::stopPreparing);
    connect(ui->pushButton_Process, &QPushButton::clicked, this, &Navigation::whenCallProcess);
    connect(ui->btnCancel, &QPushButton::clicked, engine, &Clipmoor::stopTool);
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this,
            &Navigation::whenStackedPageChanged);
    connect(engine, &Clipmoor::somethingWrong, this, &Navigation::whenSomethingWrong);
    connect(engine, &Clipmoor::haveFormats, this, &Navigation::whenFormatsReceived);
    connect(engine, &Clipmoor::haveMetadata, this, &Navigation::whenMetadataReceived);
    connect(engine, &Clipmoor::haveVideo, this, &Navigation::whenVideoReceived);
    connect(engine, &Clipmoor::progressDetails, this, &Navigation::whenProgressDetails);
    connect(engine, &Clipmoor::recovering, this, &Navigation::whenRecovering);
    connect(ui->btn_Back_from_Process, &QPushButton::clicked, this,
            [this] { showPage(returnPage); });
    // Stopped first, so that an address the page takes from the clipboard is prepared.
    connect(ui->btn_Back_from_Formats, &QPushButton::clicked, this, [this] {
        engine->stopTool(true);
        showPage(ui->page_URL);
    });
    connect(ui->btn_Back_Last, &QPushButton::clicked, this, [this] { showPage(ui->page_Formats); });
    // Starting over leaves the field empty, so that a newly copied link is offered.
    connect(ui->btnStartOver, &QPushButton::clicked, this, [this] {
        ui->editURL->clear();
        showPage(returnPage);
    });
    connect(ui->btnOpenFolder, &QPushButton::clicked, this, &Navigation::openOutputFolder);
    connect(notifier, &DesktopNotifier::openFolderRequested, this, &Navigation::openOutputFolder);

    if (ui->stackedWidget->currentWidget() != ui->pageEmpty) {
        returnPage = ui->pageEmpty;
        showPage(ui->pageEmpty);
    }

    connect(engine, &Clipmoor::resultUpdateBinary, this, &Navigation::whenToolUpdated);
    // The wait for the release servers may be long: the user may give it up.
    ui->label_Waiting->hide();
    ui->btnCancelUpdate->hide();
    connect(ui->btnCancelUpdate, &QPushButton::clicked, this, [this] {
        showToolUpdate(false);
        engine->stopUpdate();
        showPage(returnPage);
    });
    connect(engine, &Clipmoor::systemToolUsed, this, [this] {
        openMessage(QMessageBox::Warning, tr("WARNING"),
                    tr("The current yt-dlp is still being installed, so this video is asked of "
                       "the yt-dlp installed on your system, which may be too old for the site. "
                       "If it fails, try again in a few minutes."));
    });
    connect(this, &Navigation::updateKestrel, engine, &Clipmoor::updateBinary);
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

// The widgets of the video's thumbnail, the sound alone and the saved file, made here
// rather than in the form.
void Navigation::addDownloadChoiceWidgets()
{
    thumbnail = new ThumbnailView;
    thumbnail->setObjectName(QStringLiteral("labelThumbnail"));
    thumbnail->setImageHeight(scaledLength(DesignSize::thumbnailHeight, scale));
    ui->horizontalLayout_7->insertWidget(0, thumbnail);

    audioButton = new QPushButton(QIcon(QStringLiteral(":/img/sign_download")), tr("Audio only"));
    audioButton->setObjectName(QStringLiteral("btnAudioOnly"));
    audioButton->setToolTip(tr("Save the sound alone"));
    audioButton->setAutoDefault(false);
    audioButton->hide();
    mp3Button = new QPushButton(QIcon(QStringLiteral(":/img/sign_download")), tr("MP3"));
    mp3Button->setObjectName(QStringLiteral("btnMp3"));
    mp3Button->setToolTip(tr("Save the sound alone as MP3"));
    mp3Button->setAccessibleName(tr("Audio as MP3"));
    mp3Button->setAutoDefault(false);
    mp3Button->hide();
    auto *audioRow = new QHBoxLayout;
    formatChoices = new FormatChoices(ui->verticalLayout_4, audioRow, sharedData, this);
    audioRow->addStretch();
    audioRow->addWidget(audioButton);
    audioRow->addWidget(mp3Button);
    ui->verticalLayout_4->addLayout(audioRow);

    savedFile =
        new SavedFile(ui->verticalLayout_5, ui->verticalLayout_5->indexOf(ui->progressBarDL), this);
}

void Navigation::openOutputFolder()
{
    const QString folder = sharedData->video.folder;
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder.isEmpty() ? outputDir() : folder));
}

void Navigation::whenDownloadFolderUnusable(const QString &chosen, const QString &used)
{
    auto *box = new QMessageBox(
        QMessageBox::Warning, tr("WARNING"),
        tr("The download folder %1 is gone or cannot be written. This download goes to %2.")
            .arg(QDir::toNativeSeparators(chosen), QDir::toNativeSeparators(used)),
        QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Navigation::showMainWindow()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    if (!isVisible())
        show();
    returnPage = ui->page_URL;
    whenProcessButtonClicked();

    if (parser && parser->isSet(QStringLiteral("uid"))) {
        if (sysInfoPlugin().get())
            sysInfoPlugin().get()->showUid();
    }
    if (parser && parser->isSet(QStringLiteral("update-as"))) {
        const QString value = parser->value(QStringLiteral("update-as"));
        if (value.isEmpty())
            parser->showHelp(0);
        qDebug().noquote() << "------------------";
        qDebug().noquote() << "Update as version:" << value;
        if (updaterPlugin().get())
            updaterPlugin().get()->manualCheck(uint(value.toInt()),
                                               QLatin1String(Identity::version));
    } else if (updaterPlugin().get()) {
        updaterPlugin().get()->startupCheck(Identity::versionNumber,
                                            QLatin1String(Identity::buildDate));
    }
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
        openMessage(QMessageBox::Warning, tr("WARNING"),
                    tr("WARNING: You must provide at least some valid YouTube URL to proceed"));
        return;
    }
    QAbstractItemModel *previous = ui->tableView->model();
    ui->tableView->setModel(nullptr);
    delete previous;
    ui->labelNoFormats->hide();
    stepLabel->hide();
    ui->tableView->show();
    ui->labelTime->setText(QStringLiteral("00:00:00"));
    formatsTitle->setText(tr("Title"));
    thumbnail->reset();
    audioButton->hide();
    mp3Button->hide();
    formatChoices->reset();
    ui->progressBar->show();
    showPage(ui->page_Formats);
    ui->btn_Back_from_Formats->setFocus(Qt::OtherFocusReason);
    emit requestMetadata(*address);
}

void Navigation::whenMetadataReceived(const VideoInfo &video)
{
    formatsTitle->setText(shownTitle(video.title));

    const QTime duration = video.duration;
    QString text;
    if (duration.hour() >= 1)
        text = duration.toString(QStringLiteral("| H:mm:ss"));
    else if (duration.minute() > 0)
        text = duration.toString(QStringLiteral("| m:ss"));
    else
        text = tr("| %1 sec.").arg(duration.second());
    ui->labelTime->setText(text);
}

void Navigation::whenFormatsReceived(const VideoInfo &video)
{
    qDebug().noquote() << "-->" << CLM_TAG;
    ui->progressBar->hide();
    stepLabel->hide();

    QTableView *table = ui->tableView;
    auto *model = new FormatTableModel(table);
    model->setFormats(&sharedData->video.formats, &sharedData->video.viewOrder);

    // A click must never be handled twice, nor reach an earlier list.
    table->disconnect();
    QAbstractItemModel *previous = table->model();
    table->setModel(model);
    delete previous;

    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(4, QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setColumnHidden(1, true);
    // The rows stay in the listing's order, largest first: no header offers to sort.
    table->setSortingEnabled(false);
    table->horizontalHeader()->setSortIndicatorShown(false);
    table->horizontalHeader()->setSectionsClickable(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    styleTable();

    audioButton->setVisible(video.audioOnly);
    mp3Button->setVisible(video.audioOnly);

    // A listing with nothing but audio or nothing at all offers nothing to choose.
    const bool offered =
        std::any_of(video.viewOrder.cbegin(), video.viewOrder.cend(), [&video](uint code) {
            return !video.formats.value(code).resolution.isEmpty();
        });
    formatChoices->formatsShown(offered);
    fitTableRows();
    table->setVisible(offered);
    ui->labelNoFormats->setVisible(!offered);

    connect(table, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == FormatTableModel::DownloadColumn)
            chooseFormat(index);
    });
    connect(table, &QTableView::doubleClicked, this, &Navigation::chooseFormat);
}

void Navigation::styleTable()
{
    const QPalette &palette = ui->tableView->palette();
    ui->tableView->setStyleSheet(
        QStringLiteral("QTableView { font-size: %1px; } "
                       "QTableView::item { border: none; } "
                       "QTableView::item:selected { background-color: %2; color: %3; }")
            .arg(int(scale * DesignSize::tableFontPerScale))
            .arg(selectionColour(palette).name(), palette.color(QPalette::Text).name()));
}

// Colours follow the palette, so that a dark theme stays readable.
void Navigation::applyColours()
{
    QPalette done = ui->label_DL_OK->palette();
    done.setColor(QPalette::WindowText, doneColour(palette()));
    ui->label_DL_OK->setPalette(done);
    if (ui->tableView->model())
        styleTable();
}

void Navigation::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !applyingColours) {
        applyingColours = true;
        applyColours();
        applyingColours = false;
    }
}

// Only as many rows as fit, so that no scroll bar is needed; measured with the busy bar
// already gone and the thumbnail, if any, in place.
void Navigation::fitTableRows()
{
    QTableView *table = ui->tableView;
    if (!table->model())
        return;
    const int rows = table->model()->rowCount();
    // The cells of a hidden page's table would still be reported as showing.
    const bool current = ui->stackedWidget->currentWidget() == ui->page_Formats;
    for (int row = 0; row < rows; ++row)
        table->setRowHidden(row, !current);
    if (!current)
        return;
    ui->horizontalLayout_7->activate();
    ui->page_Formats->layout()->activate();
    if (rows > 0 && table->rowHeight(0) > 0) {
        const int shown = visibleRowCount(table->viewport()->height(), table->rowHeight(0));
        for (int row = shown; row < rows; ++row)
            table->setRowHidden(row, true);
    }
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
    ui->btnOpenFolder->hide();
    ui->btnStartOver->hide();
    ui->btn_Back_Last->hide();
    ui->label_DL_OK->hide();
    ui->label_DL->show();
    ui->btnCancel->show();
    downloadTitle->setText(formatsTitle->text());
    ui->label_TitleDownload->show();
    ui->progressBarDL->setRange(0, 0);
    ui->progressBarDL->setValue(0);
    ui->progressBarDL->show();
    ui->label_DL_Details->clear();
    ui->label_DL_Details->show();
    savedFile->hide();
}

void Navigation::whenProgressDetails(const ProgressDetails &details)
{
    ui->label_DL_Details->setText(describeProgress(details));
    fitDownloadTexts();
    if (!details.percent)
        return;
    // Past 99 % the tool still merges and moves files: show that it is busy.
    if (*details.percent > 99) {
        ui->progressBarDL->setRange(0, 0);
        ui->progressBarDL->setValue(0);
        return;
    }
    ui->progressBarDL->setRange(0, 100);
    ui->progressBarDL->setValue(*details.percent);
}

void Navigation::whenVideoReceived(const VideoInfo &video)
{
    qDebug().noquote() << "-->" << CLM_TAG;
    dropQuitQuestion();
    notifier->downloadFinished(video.title);
    ui->btnCancel->hide();
    ui->progressBarDL->hide();
    ui->label_DL_Details->hide();
    ui->label_TitleDownload->hide();
    ui->label_DL->hide();
    ui->label_DL_OK->setText(soundAlone ? tr("Sound Successfully Saved")
                                        : tr("Video Successfully Downloaded"));
    ui->label_DL_OK->show();
    ui->btnStartOver->show();
    ui->btn_Back_Last->show();
    ui->btnOpenFolder->show();
    savedFile->show(video.savedFile);
    fitDownloadTexts();
    // A screen reader speaks what the focus lands on: the end, and where to go from there.
    QPushButton *next =
        savedFile->openButton->isVisibleTo(this) ? savedFile->openButton : ui->btnOpenFolder;
    for (QPushButton *button : {savedFile->openButton, ui->btnOpenFolder})
        button->setAccessibleDescription(ui->label_DL_OK->text());
    next->setFocus(Qt::OtherFocusReason);
}

// Over the window and modal to it, answered without an event loop of its own; the box
// goes when closed.
QMessageBox *Navigation::openMessage(QMessageBox::Icon icon, const QString &title,
                                     const QString &text)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

// The plain line and its next step first, the code after them, and the tool's own words,
// in English, behind "Show Details…".
void Navigation::showError(const Clipmoor::Failure &failure)
{
    const Clipmoor::errorType code = failure.code;
    const QString &toolLine = failure.toolLine;
    const FailureText text =
        failureText(code, toolLine, failure.steps,
                    sharedData->settings->value(QLatin1String(cookiesBrowserKey)).toString());
    QMessageBox *box = openMessage(QMessageBox::Critical, tr("ERROR"), QString());
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<h3>%1</h3><p>%2</p><p><small>%3</small></p>")
                     .arg(text.headline.toHtmlEscaped(), text.advice.toHtmlEscaped(),
                          tr("Code: #0x%1").arg(QString::number(uint(code), 16))));
    if (!toolLine.isEmpty())
        box->setDetailedText(toolLine);
    if (code == Clipmoor::MetadataTooFewLines || code == Clipmoor::FormatsFailed ||
        code == Clipmoor::VideoFailed)
        offerCookies(box, failure);
}

// Shown where the user is, while the busy bar or the progress goes on.
void Navigation::whenRecovering(const ToolFailure::Note &note)
{
    const QString text = toolStepText(note);
    if (text.isEmpty())
        return;
    QWidget *page = ui->stackedWidget->currentWidget();
    if (page == ui->page_Download) {
        ui->label_DL_Details->setText(text);
        fitDownloadTexts();
    } else if (page == ui->page_Formats) {
        stepLabel->setText(text);
        stepLabel->show();
    }
}

// A site that wants a signed-in browser, and no cookies chosen: one button per browser
// with a profile here tries again with its cookies.
void Navigation::offerCookies(QMessageBox *box, const Clipmoor::Failure &failure)
{
    const Clipmoor::errorType code = failure.code;
    const QString chosen = sharedData->settings->value(QLatin1String(cookiesBrowserKey)).toString();
    if (!ToolRuns::cookieBrowsers().contains(chosen) &&
        ToolFailure::needsSignIn(ToolFailure::classify(failure.toolLine))) {
        for (const QString &browser : Platform::browsersWithProfiles(ToolRuns::cookieBrowsers())) {
            QPushButton *button = box->addButton(
                tr("Try Again with %1 Cookies").arg(DownloadChoices::displayName(browser)),
                QMessageBox::AcceptRole);
            button->setProperty("browser", browser);
        }
    }
    connect(box, &QMessageBox::finished, this, [this, box, code] {
        const QAbstractButton *clicked = box->clickedButton();
        const QString browser = clicked ? clicked->property("browser").toString() : QString();
        if (!browser.isEmpty())
            retryWithCookies(browser, code);
    });
}

void Navigation::retryWithCookies(const QString &browser, Clipmoor::errorType code)
{
    qDebug().noquote() << "-->" << CLM_TAG << browser;
    downloadChoices->setBrowser(browser);
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
    ui->progressBar->hide();
    stepLabel->hide();
    if (!engine->isDownloading())
        dropQuitQuestion();
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
        ui->tableView->hide();
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
    showToolUpdate(true);
    showPage(ui->pageEmpty);
    ui->btnCancelUpdate->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(toolUpdateDelayMs, this, [this] {
        if (toolUpdateShown)
            emit updateKestrel(false);
    });
}

void Navigation::showToolUpdate(bool shown)
{
    toolUpdateShown = shown;
    ui->label_Waiting->setVisible(shown);
    ui->btnCancelUpdate->setVisible(shown);
}

void Navigation::whenToolUpdated(QProcess::ExitStatus status)
{
    qDebug().noquote() << "-->" << CLM_TAG << status;
    if (!toolUpdateShown)
        return;
    showToolUpdate(false);
    showPage(returnPage);
    if (status == QProcess::CrashExit)
        openMessage(QMessageBox::Warning, tr("ERROR"),
                    tr("Unable to update. Please contact support"));
    else
        openMessage(QMessageBox::Information, tr("Success"),
                    tr("Clipmoor was successfully updated"));
}

void Navigation::activateMenuActions()
{
    qDebug().noquote() << "-->" << CLM_TAG;
    ui->stackedWidget->installEventFilter(this);
    menu = new QMenu(this);

    manualUpdateAction = menu->addAction(tr("Manually Update Software"));
    loggingAction = menu->addAction(tr("Logging enabled"));
    loggingAction->setCheckable(true);
    loggingAction->setChecked(loggingPlugin().get() && loggingPlugin().get()->isEnabled());
    menu->addSeparator();
    auto *scales = new QMenu(tr("Change Scale Size"), menu);
    menu->addMenu(scales);
    downloadChoices = new DownloadChoices(menu, sharedData->settings, this);
    connect(downloadChoices, &DownloadChoices::preparingTurnedOff, engine,
            &Clipmoor::stopPreparing);
    menu->addSeparator();
    showUidAction = menu->addAction(tr("Show UUID"));
    aboutAction = menu->addAction(tr("About"));

    // The scale entries are a group of their own: no other entry can ever set the scale.
    scaleEntries = new QActionGroup(scales);
    for (uint value : scaleValues) {
        QAction *entry = scales->addAction(tr("%1%").arg(value));
        entry->setData(value);
        entry->setCheckable(true);
        entry->setChecked(value == scale);
        scaleEntries->addAction(entry);
    }
    connect(scaleEntries, &QActionGroup::triggered, this, &Navigation::whenScaleChosen);
    connect(menu, &QMenu::triggered, this, &Navigation::whenMenuTriggered);
}

void Navigation::whenScaleChosen(QAction *entry)
{
    const uint value = entry->data().toUInt();
    if (value == 0 || value == scale)
        return;
    scale = value;
    sharedData->settings->setValue(QStringLiteral("Scale/Val"), scale);
    whenStackedPageChanged(ui->stackedWidget->currentIndex());
}

void Navigation::whenMenuTriggered(QAction *action)
{
    const QString text = action->text();
    qDebug().noquote() << "-->" << CLM_TAG << text;

    if (action == aboutAction) {
        if (aboutPlugin().get()) {
            const QString identifier =
                sysInfoPlugin().get() ? sysInfoPlugin().get()->uid() : QString();
            aboutPlugin().get()->showAbout(identifier, tr(description));
        } else {
            openMessage(QMessageBox::Information, QLatin1String(Identity::name),
                        tr("%1 version: %2")
                            .arg(QLatin1String(Identity::name), QLatin1String(Identity::version)));
        }
    } else if (action == showUidAction) {
        if (sysInfoPlugin().get())
            sysInfoPlugin().get()->showUid();
    } else if (action == loggingAction) {
        // Without the plug-in there is no logging to switch on.
        if (loggingPlugin().get())
            loggingPlugin().get()->setEnabled(action->isChecked());
        else
            action->setChecked(false);
    } else if (action == manualUpdateAction) {
        PluginManagerHelper::UpdaterHandle &updater = updaterPlugin();
        if (!updater.get())
            return;
        if (!updater.connectedFlags.value(0)) {
            updater.connectedFlags.insert(0, true);
            connect(updater.get(), &UpdateInterface::updateDone, this,
                    &Navigation::whenToolUpdateRequested);
        }
        updater.get()->manualCheck(Identity::versionNumber, QLatin1String(Identity::buildDate));
    }
}

// The format a press of Enter chooses: the chosen row, or the only one.
QModelIndex Navigation::enterChoice() const
{
    const QAbstractItemModel *model = ui->tableView->model();
    if (!model || !ui->tableView->isVisible())
        return {};
    if (model->rowCount() == 1)
        return model->index(0, FormatTableModel::ResolutionColumn);
    const QModelIndex current = ui->tableView->currentIndex();
    if (current.isValid() &&
        ui->tableView->selectionModel()->isRowSelected(current.row(), current.parent()))
        return current;
    return {};
}

void Navigation::openMenuAtFocus()
{
    QWidget *focus = focusWidget();
    if (!menu || !focus)
        return;
    QPoint at = focus->rect().center();
    if (focus == ui->tableView && ui->tableView->currentIndex().isValid()) {
        at = ui->tableView->viewport()->mapTo(
            focus, ui->tableView->visualRect(ui->tableView->currentIndex()).center());
    }
    if (focus != ui->editURL) {
        menu->exec(focus->mapToGlobal(at));
        return;
    }
    // The address field is the only control of its page: its edit entries come first, then
    // the program's, so that the keyboard reaches both.
    QMenu *both = ui->editURL->createStandardContextMenu();
    both->addSeparator();
    both->addActions(menu->actions());
    connect(both, &QMenu::triggered, this, &Navigation::whenMenuTriggered);
    connect(both, &QMenu::aboutToHide, both, &QObject::deleteLater);
    both->popup(focus->mapToGlobal(at));
}

void Navigation::contextMenuEvent(QContextMenuEvent *event)
{
    // The mouse opens the menu through the event filter; the keyboard (the Menu key, or
    // Shift+F10 below) opens it here, at the widget that has the focus.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    openMenuAtFocus();
}

bool Navigation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tableView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const QModelIndex choice = enterChoice();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && choice.isValid()) {
            chooseFormat(choice);
            return true;
        }
    }
    // Reached by the keyboard, the table starts at its first row, ready for Enter.
    if (watched == ui->tableView && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        QAbstractItemModel *model = ui->tableView->model();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && model &&
            model->rowCount() > 0 && !ui->tableView->selectionModel()->hasSelection()) {
            ui->tableView->selectionModel()->setCurrentIndex(
                model->index(0, FormatTableModel::ResolutionColumn),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }
    if (watched == ui->editURL && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        openMenuAtFocus();
        return true;
    }
    if (watched == ui->stackedWidget && event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton && menu) {
            menu->exec(press->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Navigation::whenStackedPageChanged(int index)
{
    QWidget *page = ui->stackedWidget->widget(index);
    const auto fit = [this](QPushButton *button, QSize design) {
        const QSize target(scaledLength(design.width(), scale),
                           scaledLength(design.height(), scale));
        if (button->geometry().size() == target)
            return;
        button->setIconSize(target);
        button->setMinimumSize(target);
        button->setMaximumSize(target);
    };

    int height = DesignSize::addressPageHeight;
    if (page == ui->page_URL) {
        fit(ui->btn_Back_from_Process, DesignSize::bigBackButton);
        fit(ui->pushButton_Process, DesignSize::processButton);
    } else if (page == ui->page_Formats) {
        fit(ui->btn_Back_from_Formats, DesignSize::smallBackButton);
        thumbnail->setImageHeight(scaledLength(DesignSize::thumbnailHeight, scale));
        height = DesignSize::formatPageHeight;
    } else if (page == ui->page_Download) {
        fit(ui->btn_Back_Last, DesignSize::smallBackButton);
        height = DesignSize::downloadPageHeight;
    }
    const QSize target(scaledLength(DesignSize::windowWidth, scale), scaledLength(height, scale));
    if (maximumSize() != target)
        setFixedSize(target);
    if (page == ui->page_Download)
        fitDownloadTexts();
    fitTableRows();
}

// Fonts and languages are wider on some systems than the design's sizes assume: the
// download page's texts give up half points until they fit the narrow window.
void Navigation::fitDownloadTexts()
{
    const QMargins margins = ui->verticalLayout_5->contentsMargins();
    const int room = width() - margins.left() - margins.right();
    const auto fitLabel = [room](QLabel *label, QFont font) {
        while (font.pointSizeF() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > room)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    };
    fitLabel(ui->label_DL_OK, designedFonts.value(ui->label_DL_OK));
    fitLabel(ui->label_DL_Details, designedFonts.value(ui->label_DL_Details));

    // The finished page's three buttons share one font and one size; "Start Over" and
    // "Open Folder with File" share a row, with room around them.
    QPushButton *start = ui->btnStartOver;
    QPushButton *open = ui->btnOpenFolder;
    const QList<QPushButton *> buttons{start, open, savedFile->openButton};
    QFont font = designedFonts.value(open);
    const int gaps = ui->horizontalLayout_13->spacing() * 4;
    QSize size;
    for (;;) {
        size = QSize(DesignSize::startOverWidth, 0);
        for (QPushButton *button : buttons) {
            button->setFont(font);
            button->setMinimumSize(0, 0);
            button->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            size = size.expandedTo(button->sizeHint());
        }
        // Nor should the page's lines run into each other at the smaller scales, though
        // the buttons stay readable.
        QLayout *page = ui->page_Download->layout();
        page->invalidate();
        const bool tall = page->minimumSize().height() > height() &&
                          font.pointSizeF() > designedFonts.value(open).pointSizeF() - 2;
        if ((2 * size.width() + gaps <= room && !tall) || font.pointSizeF() <= 1)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    for (QPushButton *button : buttons)
        button->setFixedSize(size);
}

void Navigation::keyPressEvent(QKeyEvent *event)
{
    // With one format on offer, Enter anywhere on its page downloads it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && ui->stackedWidget->currentWidget() == ui->page_Formats && ui->tableView->model() &&
        ui->tableView->model()->rowCount() == 1) {
        const QModelIndex choice = enterChoice();
        if (choice.isValid()) {
            chooseFormat(choice);
            event->accept();
            return;
        }
    }
    // The window is the whole program: Escape must not end it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    // The dialog's own Enter handling clicks the default button of any child, and so would
    // close a box this very key press has just opened: only the window's own buttons count.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        const QList<QPushButton *> buttons = findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->window() == this && button->isDefault() && button->isVisible()) {
                if (button->isEnabled())
                    button->click();
                break;
            }
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Navigation::closeEvent(QCloseEvent *event)
{
    if (!engine->isDownloading()) {
        engine->stopPreparing();
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    if (quitQuestion)
        return;
    auto *box = new QMessageBox(QMessageBox::Question, QLatin1String(Identity::name),
                                tr("A download is running. Stop it and quit?"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    quitQuestion = box;
    connect(box, &QMessageBox::finished, this, [this, box] {
        if (box->clickedButton() != box->button(QMessageBox::Yes))
            return;
        engine->stopTool(true);
        close();
    });
    box->open();
}

// Once the download has ended, the question whether to stop it has no point.
void Navigation::dropQuitQuestion()
{
    if (quitQuestion)
        quitQuestion->done(QMessageBox::No);
}
