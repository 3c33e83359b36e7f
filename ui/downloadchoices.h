#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QSettings;
class QWidget;

// The menu's choices about where and how downloads run: the download folder, the
// The menu's choices about where and how downloads run: the download folder, the
// browser whose cookies the tool may read, which yt-dlp builds the launcher runs, whether
// files carry their title, chapters and cover, and whether copied links are prepared. All
// are stored in the settings and read at each run.
class DownloadChoices : public QObject {
    Q_OBJECT

public:
    // Adds the entries to the menu; dialogs open over window.
    DownloadChoices(QMenu *menu, QSettings *settings, QWidget *window);

    // Whether an address from the clipboard or a drop is extracted before it is asked for.
    static bool prepareCopied(const QSettings *settings);

    // The browser's name as the menu shows it.
    static QString displayName(const QString &browser);
    // Stores the browser whose cookies the tool reads, as its menu entry does.
    void setBrowser(const QString &browser);

signals:
    // Copied links are no longer to be prepared.
    void preparingTurnedOff();

private:
    void chooseFolder();
    void whenBrowserChosen(QAction *action);
    void addChannels(QMenu *menu);

    QSettings *settings;
    QWidget *window;
    QActionGroup *browsers;
    QActionGroup *channels;
};
