#pragma once

#include <QModelIndex>
#include <QWidget>

class ElidedTitle;
class FormatChoices;
class QLabel;
class QPushButton;
class QTime;
class QUrl;
class ThumbnailView;
struct SessionData;
struct VideoInfo;

namespace Ui {
class FormatPage;
}

// The format page: the video's thumbnail, title and length, the table of its formats, the
// sound alone, and the choices that go with the next download.
class FormatPage : public QWidget {
    Q_OBJECT

public:
    explicit FormatPage(QWidget *parent = nullptr);
    ~FormatPage() override;

    // Adds the thumbnail, the sound alone and the choices; once, before the page is used.
    void setUp(SessionData *session);
    void setScale(uint percent); // taken by the next fitToScale and table style
    void fitToScale();

    // A new address: nothing known yet, the busy bar running.
    void clear();
    void focusBack();
    void showMetadata(const QString &title, QTime duration);
    void showFormats(VideoInfo &video);
    void fetchThumbnail(const QUrl &address);
    void subtitlesKnown();
    void showStep(const QString &text); // what the launcher tries while the bar runs
    void stopBusy();
    void hideTable();
    // Only as many rows as fit; none shown while the page is not the current one.
    void fitRows(bool current);
    void applyColours();

    QString title() const;
    // The format a press of Enter chooses: the chosen row, or the only one.
    QModelIndex enterChoice() const;
    bool offersOne() const;

signals:
    void back();
    void formatChosen(const QModelIndex &index);
    void audioChosen(bool mp3);
    // The rows' room has changed, by a thumbnail or a choice shown or gone.
    void roomChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void styleTable();

    Ui::FormatPage *ui;
    uint scale = 100;
    ElidedTitle *formatsTitle;
    QLabel *stepLabel;
    ThumbnailView *thumbnail = nullptr;
    QPushButton *audioButton = nullptr;
    QPushButton *mp3Button = nullptr;
    FormatChoices *formatChoices = nullptr;
};

// A video title as the window shows it: control characters removed, white space simplified.
QString shownTitle(const QString &title);

// How many table rows to show in a viewport: a last row counts when more than 0.3 of it fits.
int visibleRowCount(int viewportHeight, int rowHeight);
