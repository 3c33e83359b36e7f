#pragma once

#include <QFont>
#include <QHash>
#include <QWidget>

class ElidedTitle;
class SavedFile;
struct ProgressDetails;

namespace Ui {
class DownloadPage;
}

// The download page: the download's title and progress while it runs; when it is done,
// the saved file and where to go from there.
class DownloadPage : public QWidget {
    Q_OBJECT

public:
    explicit DownloadPage(QWidget *parent = nullptr);
    ~DownloadPage() override;

    void setScale(uint percent); // taken by the next fitToScale
    void fitToScale();
    // Fonts and languages are wider on some systems than the design's sizes assume: the
    // texts give up half points until they fit the window.
    void fitTexts();
    void applyColours(const QPalette &palette);

    void start(const QString &title);
    void showProgress(const ProgressDetails &details);
    void showDetails(const QString &text);
    // The end, told where the focus lands, so that a screen reader speaks it.
    void finish(bool soundAlone, const QString &savedFile);

signals:
    void back();
    void startOver();
    void openFolder();
    void cancelled();

private:
    Ui::DownloadPage *ui;
    uint scale = 100;
    ElidedTitle *downloadTitle;
    SavedFile *savedFile;
    QHash<QWidget *, QFont> designedFonts; // before fitting
};
