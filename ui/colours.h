#pragma once

#include <QColor>
#include <QString>

class QPalette;

// The design's colours, taken from the palette so that a dark theme stays readable.

// The finished text: the design's green, as light as the theme's text allows.
QColor doneColour(const QPalette &palette);

// A chosen row: a shade of the text over the base, the design's #D3D3D3 on white.
QColor selectionColour(const QPalette &palette);

// The format table's style: its font at the scale in percent, its chosen row's colours.
QString tableStyleSheet(const QPalette &palette, uint scale);
