#include "ui/windowscale.h"

#include "ui/designsize.h"
#include "ui/downloadpage.h"
#include "ui/formatpage.h"

#include <QSettings>
#include <QStackedWidget>

namespace {
constexpr char scaleKey[] = "Scale/Val";
} // namespace

WindowScale::WindowScale(QWidget *window_, const Pages &pages_, QSettings *settings_)
    : QObject(window_)
    , window(window_)
    , pages(pages_)
    , settings(settings_)
    , scale(usableScale(settings->value(QLatin1String(scaleKey), defaultScale)))
{
    pages.formats->setScale(scale);
    pages.download->setScale(scale);
    connect(pages.stack, &QStackedWidget::currentChanged, this, &WindowScale::fitPage);
    connect(pages.formats, &FormatPage::roomChanged, this, &WindowScale::fitTableRows);
}

void WindowScale::choose(uint percent)
{
    if (percent == scale)
        return;
    scale = percent;
    settings->setValue(QLatin1String(scaleKey), scale);
    pages.formats->setScale(scale);
    pages.download->setScale(scale);
    fitPage(pages.stack->currentIndex());
}

void WindowScale::fitPage(int index)
{
    QWidget *page = pages.stack->widget(index);
    int height = DesignSize::addressPageHeight;
    if (page == pages.address) {
        fitButton(pages.back, DesignSize::bigBackButton, scale);
        fitButton(pages.process, DesignSize::processButton, scale);
    } else if (page == pages.formats) {
        pages.formats->fitToScale();
        height = DesignSize::formatPageHeight;
    } else if (page == pages.download) {
        pages.download->fitToScale();
        height = DesignSize::downloadPageHeight;
    }
    const QSize target(scaledLength(DesignSize::windowWidth, scale), scaledLength(height, scale));
    if (window->maximumSize() != target)
        window->setFixedSize(target);
    if (page == pages.download)
        pages.download->fitTexts();
    fitTableRows();
}

void WindowScale::fitTableRows()
{
    pages.formats->fitRows(pages.stack->currentWidget() == pages.formats);
}
