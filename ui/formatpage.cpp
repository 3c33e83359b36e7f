#include "ui/formatpage.h"

#include "app/videoinfo.h"
#include "engine/formattablemodel.h"
#include "ui/colours.h"
#include "ui/designsize.h"
#include "ui/elidedtitle.h"
#include "ui/formatchoices.h"
#include "ui/thumbnailview.h"
#include "ui_formatpage.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QTime>

#include <algorithm>
#include <cmath>

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

FormatPage::FormatPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FormatPage)
{
    ui->setupUi(this);
    ui->btn_Back_from_Formats->setImage(QStringLiteral(":/img/btn_back_small.svg"));
    formatsTitle = new ElidedTitle(ui->labelTitle);
    // The title takes the room left beside the duration.
    ui->horizontalLayout_7->setStretchFactor(ui->labelTitle, 1);
    ui->labelNoFormats->hide();
    stepLabel = new QLabel(this);
    stepLabel->setObjectName(QStringLiteral("labelStep"));
    stepLabel->setAlignment(Qt::AlignCenter);
    stepLabel->setWordWrap(true);
    stepLabel->hide();
    ui->verticalLayout_4->insertWidget(ui->verticalLayout_4->indexOf(ui->progressBar) + 1,
                                       stepLabel);
    ui->progressBar->setAccessibleName(tr("Reading the video's formats"));
    ui->tableView->installEventFilter(this);
    connect(ui->btn_Back_from_Formats, &QPushButton::clicked, this, &FormatPage::back);
}

FormatPage::~FormatPage()
{
    delete ui;
}

// Made once the page is in the window, so that the keyboard reaches them after the form's
// own controls.
void FormatPage::setUp(SessionData *session)
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
    formatChoices = new FormatChoices(ui->verticalLayout_4, audioRow, session, window());
    audioRow->addStretch();
    audioRow->addWidget(audioButton);
    audioRow->addWidget(mp3Button);
    ui->verticalLayout_4->addLayout(audioRow);

    connect(thumbnail, &ThumbnailView::shown, this, &FormatPage::roomChanged);
    connect(formatChoices, &FormatChoices::changed, this, &FormatPage::roomChanged);
    connect(audioButton, &QPushButton::clicked, this, [this] { emit audioChosen(false); });
    connect(mp3Button, &QPushButton::clicked, this, [this] { emit audioChosen(true); });
}

void FormatPage::setScale(uint percent)
{
    scale = percent;
}

void FormatPage::fitToScale()
{
    fitButton(ui->btn_Back_from_Formats, DesignSize::smallBackButton, scale);
    thumbnail->setImageHeight(scaledLength(DesignSize::thumbnailHeight, scale));
}

void FormatPage::clear()
{
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
}

void FormatPage::focusBack()
{
    ui->btn_Back_from_Formats->setFocus(Qt::OtherFocusReason);
}

void FormatPage::showMetadata(const QString &title, QTime duration)
{
    formatsTitle->setText(shownTitle(title));

    QString text;
    if (duration.hour() >= 1)
        text = duration.toString(QStringLiteral("| H:mm:ss"));
    else if (duration.minute() > 0)
        text = duration.toString(QStringLiteral("| m:ss"));
    else
        text = tr("| %1 sec.").arg(duration.second());
    ui->labelTime->setText(text);
}

// The table reads the video's formats where they are: the record must outlive it.
void FormatPage::showFormats(VideoInfo &video)
{
    ui->progressBar->hide();
    stepLabel->hide();

    QTableView *table = ui->tableView;
    auto *model = new FormatTableModel(table);
    model->setFormats(&video.formats, &video.viewOrder);

    // A click must never be handled twice, nor reach an earlier list. Only the page's own
    // connections go: the accessibility cache hears the table's end through another.
    disconnect(table, nullptr, this, nullptr);
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
    emit roomChanged();
    table->setVisible(offered);
    ui->labelNoFormats->setVisible(!offered);

    connect(table, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == FormatTableModel::DownloadColumn)
            emit formatChosen(index);
    });
    connect(table, &QTableView::doubleClicked, this, &FormatPage::formatChosen);
}

void FormatPage::fetchThumbnail(const QUrl &address)
{
    thumbnail->fetch(address);
}

void FormatPage::subtitlesKnown(const QList<SubtitleLanguage> &languages)
{
    formatChoices->subtitlesKnown(languages);
}

void FormatPage::showStep(const QString &text)
{
    stepLabel->setText(text);
    stepLabel->show();
}

void FormatPage::stopBusy()
{
    ui->progressBar->hide();
    stepLabel->hide();
}

void FormatPage::hideTable()
{
    ui->tableView->hide();
}

void FormatPage::styleTable()
{
    ui->tableView->setStyleSheet(tableStyleSheet(ui->tableView->palette(), scale));
}

void FormatPage::applyColours()
{
    if (ui->tableView->model())
        styleTable();
}

// Measured with the busy bar already gone and the thumbnail, if any, in place.
void FormatPage::fitRows(bool current)
{
    QTableView *table = ui->tableView;
    if (!table->model())
        return;
    const int rows = table->model()->rowCount();
    // The cells of a hidden page's table would still be reported as showing.
    for (int row = 0; row < rows; ++row)
        table->setRowHidden(row, !current);
    if (!current)
        return;
    ui->horizontalLayout_7->activate();
    layout()->activate();
    if (rows > 0 && table->rowHeight(0) > 0) {
        const int shown = visibleRowCount(table->viewport()->height(), table->rowHeight(0));
        for (int row = shown; row < rows; ++row)
            table->setRowHidden(row, true);
    }
}

QString FormatPage::title() const
{
    return formatsTitle->text();
}

QModelIndex FormatPage::enterChoice() const
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

bool FormatPage::offersOne() const
{
    return ui->tableView->model() && ui->tableView->model()->rowCount() == 1;
}

bool FormatPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tableView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const QModelIndex choice = enterChoice();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && choice.isValid()) {
            emit formatChosen(choice);
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
    return QWidget::eventFilter(watched, event);
}
