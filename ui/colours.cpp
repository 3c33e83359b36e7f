#include "ui/colours.h"

#include "ui/designsize.h"

#include <QPalette>

QColor doneColour(const QPalette &palette)
{
    const int lightness = qBound(64, palette.color(QPalette::WindowText).lightness(), 180);
    return QColor::fromHsl(120, 255, lightness);
}

QColor selectionColour(const QPalette &palette)
{
    constexpr double textShare = 44.0 / 255.0;
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const auto mix = [](int from, int to) {
        return int(from + (to - from) * textShare);
    };
    return QColor(mix(base.red(), text.red()), mix(base.green(), text.green()),
                  mix(base.blue(), text.blue()));
}

QString tableStyleSheet(const QPalette &palette, uint scale)
{
    return QStringLiteral("QTableView { font-size: %1px; } "
                          "QTableView::item { border: none; } "
                          "QTableView::item:selected { background-color: %2; color: %3; }")
        .arg(int(scale * DesignSize::tableFontPerScale))
        .arg(selectionColour(palette).name(), palette.color(QPalette::Text).name());
}
