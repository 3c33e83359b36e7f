#pragma once

#include <QObject>

class Clipmoor;
class QWidget;

// The boxes for what the engine warns of while it goes on: a download folder it could not
// use, and the system's yt-dlp asked while the current one is still being installed.
class EngineWarnings : public QObject {
    Q_OBJECT

public:
    // The boxes open over window.
    EngineWarnings(Clipmoor *engine, QWidget *window);

private:
    void whenDownloadFolderUnusable(const QString &chosen, const QString &used);
    void whenSystemToolUsed();

    QWidget *window;
};
