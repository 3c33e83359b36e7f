#include "ui/pagecolours.h"

#include "ui/downloadpage.h"
#include "ui/formatpage.h"

#include <QEvent>

PageColours::PageColours(QWidget *window_, FormatPage *formats_, DownloadPage *download_)
    : QObject(window_)
    , window(window_)
    , formats(formats_)
    , download(download_)
{
    apply();
    window->installEventFilter(this);
}

bool PageColours::eventFilter(QObject *watched, QEvent *event)
{
    // A change made while applying is not answered with another round.
    if (watched == window && event->type() == QEvent::PaletteChange && !applying) {
        applying = true;
        apply();
        applying = false;
    }
    return QObject::eventFilter(watched, event);
}

void PageColours::apply()
{
    download->applyColours(window->palette());
    formats->applyColours();
}
