#pragma once

#include <QObject>

class DownloadPage;
class FormatPage;
class QWidget;

// Keeps the pages' own colours in step with the window's palette, so that a dark theme
// stays readable.
class PageColours : public QObject {
    Q_OBJECT

public:
    // The pages sit in window; their colours are set at once and on each palette change.
    PageColours(QWidget *window, FormatPage *formats, DownloadPage *download);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QWidget *window;
    FormatPage *formats;
    DownloadPage *download;
    bool applying = false;
};
