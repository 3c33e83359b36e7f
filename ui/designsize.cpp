#include "ui/designsize.h"

#include <QLabel>
#include <QVariant>

namespace {
// A stored scale outside the menu's values is used as it is, unless it cannot be one.
constexpr uint minimumScale = 50;
constexpr uint maximumScale = 300;
} // namespace

uint usableScale(const QVariant &stored)
{
    bool ok = false;
    const uint value = stored.toString().toUInt(&ok);
    return ok && value >= minimumScale && value <= maximumScale ? value : defaultScale;
}

int scaledLength(int designLength, uint scale)
{
    return int(designLength * DesignSize::pixelFactor * (scale / 100.0));
}

void fitButton(QPushButton *button, QSize design, uint scale)
{
    const QSize target(scaledLength(design.width(), scale), scaledLength(design.height(), scale));
    if (button->geometry().size() == target)
        return;
    button->setIconSize(target);
    button->setMinimumSize(target);
    button->setMaximumSize(target);
}

void fitLabel(QLabel *label, QFont font, int room)
{
    while (font.pointSizeF() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}
