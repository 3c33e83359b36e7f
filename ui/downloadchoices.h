#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QSettings;
class QWidget;

// The menu's choices about where and how downloads run: the download folder, the
// browser whose cookies the tool may read, and whether copied links are prepared. All are
// stored in the settings and read at each run.
class DownloadChoices : public QObject {
    Q_OBJECT

public:
    // Adds the entries to the menu; dialogs open over window.
    DownloadChoices(QMenu *menu, QSettings *settings, QWidget *window);

    // Whether an address from the clipboard or a drop is extracted before it is asked for.
    static bool prepareCopied(const QSettings *settings);

    // The browser's name as the menu shows it.
    static QString displayName(const QString &browser);

private:
    void chooseFolder();
    void whenBrowserChosen(QAction *action);

    QSettings *settings;
    QWidget *window;
    QActionGroup *browsers;
};
