#pragma once

#include <QObject>

class DownloadPage;
class FormatPage;
class QPushButton;
class QSettings;
class QStackedWidget;
class QWidget;

// The scale the user chose for the window, kept in the settings, and the window with its
// pages fitted to it whenever another page comes up.
class WindowScale : public QObject {
    Q_OBJECT

public:
    // The window's pages; the two buttons sit on the address page.
    struct Pages {
        QStackedWidget *stack;
        QWidget *address;
        QPushButton *back;
        QPushButton *process;
        FormatPage *formats;
        DownloadPage *download;
    };

    // Takes the stored scale and hands it to the pages.
    WindowScale(QWidget *window, const Pages &pages, QSettings *settings);

    uint percent() const { return scale; }
    // Stores the scale and fits the current page to it.
    void choose(uint percent);

private:
    void fitPage(int index);
    void fitTableRows();

    QWidget *window;
    Pages pages;
    QSettings *settings;
    uint scale;
};
