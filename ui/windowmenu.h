#pragma once

#include <QObject>
#include <QPointer>

class DownloadChoices;
class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QPoint;
class QSettings;
class QWidget;

// The window's context menu: the manual update, logging, the scale, the download choices,
// the identifier and the about box. The plug-in commands are answered here; the scale
// and the manual update are handed on to the window. It opens without an event loop of
// its own, and an entry answers when chosen.
class WindowMenu : public QObject {
    Q_OBJECT

public:
    // The menu over window, the entry of the scale in percent checked.
    WindowMenu(uint scale, QSettings *settings, QWidget *window);

    // Opens on a right press on the pages; from the keyboard (the Menu key, Shift+F10) at
    // the focused widget, the field with its own edit entries first.
    void openFrom(QWidget *pages, QLineEdit *field);
    void openAtFocus();

    // Stores the browser whose cookies the tool reads, as its menu entry does.
    void setCookiesBrowser(const QString &browser);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void scaleChosen(uint percent);
    // The updater has updated the program: the tool is next.
    void toolUpdateRequested();

private:
    void whenTriggered(QAction *action);

    QWidget *window;
    QWidget *pages = nullptr;
    QLineEdit *field = nullptr;
    QPointer<QMenu> menu;
    QAction *manualUpdateAction;
    QAction *loggingAction;
    QAction *showUidAction;
    QAction *aboutAction;
    QActionGroup *scaleEntries; // a group of its own: no other entry can set the scale
    DownloadChoices *downloadChoices;
};
