#include "ui/enginewarnings.h"

#include "engine/clipmoor.h"
#include "ui/errormessage.h"

#include <QDir>
#include <QMessageBox>

EngineWarnings::EngineWarnings(Clipmoor *engine, QWidget *window_)
    : QObject(window_)
    , window(window_)
{
    connect(engine, &Clipmoor::downloadFolderUnusable, this,
            &EngineWarnings::whenDownloadFolderUnusable);
    connect(engine, &Clipmoor::systemToolUsed, this, &EngineWarnings::whenSystemToolUsed);
}

void EngineWarnings::whenDownloadFolderUnusable(const QString &chosen, const QString &used)
{
    QMessageBox *box = openMessage(
        window, QMessageBox::Warning, tr("WARNING"),
        tr("The download folder %1 is gone or cannot be written. This download goes to %2.")
            .arg(QDir::toNativeSeparators(chosen), QDir::toNativeSeparators(used)));
    box->setTextFormat(Qt::PlainText);
}

void EngineWarnings::whenSystemToolUsed()
{
    openMessage(window, QMessageBox::Warning, tr("WARNING"),
                tr("The current yt-dlp is still being installed, so this video is asked of "
                   "the yt-dlp installed on your system, which may be too old for the site. "
                   "If it fails, try again in a few minutes."));
}
