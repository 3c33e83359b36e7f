#include "ui/downloadpage.h"

#include "engine/progressdetails.h"
#include "ui/colours.h"
#include "ui/designsize.h"
#include "ui/elidedtitle.h"
#include "ui/savedfile.h"
#include "ui_downloadpage.h"

DownloadPage::DownloadPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DownloadPage)
{
    ui->setupUi(this);
    ui->btn_Back_Last->setImage(QStringLiteral(":/img/btn_back_small.svg"));
    downloadTitle = new ElidedTitle(ui->label_TitleDownload);
    // The title takes the room left beside the "Downloading" text.
    ui->horizontalLayout_10->setStretchFactor(ui->label_TitleDownload, 1);
    ui->progressBarDL->setAccessibleName(tr("Download progress"));
    // The form cannot carry the in-between weight for this Qt's form compiler.
    QFont openFolder = ui->btnOpenFolder->font();
    openFolder.setWeight(QFont::Medium);
    ui->btnOpenFolder->setFont(openFolder);
    for (QWidget *text :
         {static_cast<QWidget *>(ui->label_DL_OK), static_cast<QWidget *>(ui->label_DL_Details),
          static_cast<QWidget *>(ui->btnStartOver), static_cast<QWidget *>(ui->btnOpenFolder)})
        designedFonts.insert(text, text->font());
    savedFile =
        new SavedFile(ui->verticalLayout_5, ui->verticalLayout_5->indexOf(ui->progressBarDL), this);

    connect(ui->btn_Back_Last, &QPushButton::clicked, this, &DownloadPage::back);
    connect(ui->btnStartOver, &QPushButton::clicked, this, &DownloadPage::startOver);
    connect(ui->btnOpenFolder, &QPushButton::clicked, this, &DownloadPage::openFolder);
    connect(ui->btnCancel, &QPushButton::clicked, this, &DownloadPage::cancelled);
}

DownloadPage::~DownloadPage()
{
    delete ui;
}

void DownloadPage::setScale(uint percent)
{
    scale = percent;
}

void DownloadPage::fitToScale()
{
    fitButton(ui->btn_Back_Last, DesignSize::smallBackButton, scale);
}

void DownloadPage::applyColours(const QPalette &palette)
{
    QPalette done = ui->label_DL_OK->palette();
    done.setColor(QPalette::WindowText, doneColour(palette));
    ui->label_DL_OK->setPalette(done);
}

void DownloadPage::start(const QString &title)
{
    ui->btnOpenFolder->hide();
    ui->btnStartOver->hide();
    ui->btn_Back_Last->hide();
    ui->label_DL_OK->hide();
    ui->label_DL->show();
    ui->btnCancel->show();
    downloadTitle->setText(title);
    ui->label_TitleDownload->show();
    ui->progressBarDL->setRange(0, 0);
    ui->progressBarDL->setValue(0);
    ui->progressBarDL->show();
    ui->label_DL_Details->clear();
    ui->label_DL_Details->show();
    savedFile->hide();
}

void DownloadPage::showProgress(const ProgressDetails &details)
{
    showDetails(describeProgress(details));
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

void DownloadPage::showDetails(const QString &text)
{
    ui->label_DL_Details->setText(text);
    fitTexts();
}

void DownloadPage::finish(bool soundAlone, const QString &saved)
{
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
    savedFile->show(saved);
    fitTexts();
    QPushButton *next =
        savedFile->openButton->isVisibleTo(window()) ? savedFile->openButton : ui->btnOpenFolder;
    for (QPushButton *button : {savedFile->openButton, ui->btnOpenFolder})
        button->setAccessibleDescription(ui->label_DL_OK->text());
    next->setFocus(Qt::OtherFocusReason);
}

void DownloadPage::fitTexts()
{
    const QSize window = this->window()->size();
    const QMargins margins = ui->verticalLayout_5->contentsMargins();
    const int room = window.width() - margins.left() - margins.right();
    fitLabel(ui->label_DL_OK, designedFonts.value(ui->label_DL_OK), room);
    fitLabel(ui->label_DL_Details, designedFonts.value(ui->label_DL_Details), room);

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
        layout()->invalidate();
        const bool tall = layout()->minimumSize().height() > window.height() &&
                          font.pointSizeF() > designedFonts.value(open).pointSizeF() - 2;
        if ((2 * size.width() + gaps <= room && !tall) || font.pointSizeF() <= 1)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    for (QPushButton *button : buttons)
        button->setFixedSize(size);
}
