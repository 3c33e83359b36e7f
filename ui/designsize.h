#pragma once

#include "ui/imagebutton.h"

#include <QSize>

class QFont;
class QLabel;
class QVariant;

// The window's lengths in design pixels (see scaledLength), in one place.
namespace DesignSize {
constexpr int windowWidth = 624;
constexpr int addressPageHeight = 208; // also the empty page's
constexpr int formatPageHeight = 417;
constexpr int downloadPageHeight = 234;
constexpr QSize bigBackButton(101, 43);
constexpr QSize processButton(250, 70);
constexpr QSize smallBackButton(33, 33);
constexpr int startOverWidth = 120; // at least, in screen pixels
// The images' captions, in the images' own units.
const ImageButton::Caption backCaption{{62, 27.5}, 37, 92, 16, QColor(0x37, 0x47, 0x4f)};
const ImageButton::Caption processCaption{{145, 42}, 68, 232, 26, Qt::white};
constexpr int thumbnailHeight = 72;
// Design pixels per screen pixel at 100 %, taken in single precision as the design does.
constexpr double pixelFactor = double(float(8.0 / 13.0));
// The table's font size in pixels per percent of scale.
constexpr double tableFontPerScale = 0.14;
} // namespace DesignSize

// The scales the menu offers, in percent.
constexpr uint scaleValues[] = {90, 100, 110, 120, 125, 130, 135, 140, 145};
constexpr uint defaultScale = 100;

// The stored scale when it is a whole percentage from 50 to 300, else 100.
uint usableScale(const QVariant &stored);

// A design length in pixels at the given scale in percent.
int scaledLength(int designLength, uint scale);

// Gives the button, its image with it, the design's size at the scale.
void fitButton(QPushButton *button, QSize design, uint scale);

// The label in its font, given up half points at a time until its text fits the room.
void fitLabel(QLabel *label, QFont font, int room);
