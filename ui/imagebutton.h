#pragma once

#include <QColor>
#include <QPointF>
#include <QPushButton>
#include <QRectF>
#include <QSvgRenderer>

// A flat button drawn from a vector image, sharp at every size and pixel ratio. Its text,
// translated like any other, is drawn onto the image where the design puts the caption,
// and made smaller only when a language needs more room than the design gives.
class ImageButton : public QPushButton {
    Q_OBJECT

public:
    // Where the caption goes, in the image's own units.
    struct Caption {
        QPointF anchor; // the middle of the design's baseline
        qreal left = 0; // the room the caption may take, left and right
        qreal right = 0;
        qreal pixelSize = 0; // the design's font size
        QColor colour;
        qreal letterSpacing = 0;
    };

    explicit ImageButton(QWidget *parent = nullptr);

    void setImage(const QString &path);
    void setImage(const QString &path, const Caption &caption);

    // The caption's font and room as drawn at the button's present size.
    QFont captionFont() const;
    QRectF captionRoom() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal factor() const; // button pixels per image unit
    QFont designFont(qreal pixelSize) const;

    QSvgRenderer image;
    Caption caption;
};
