#include "ui/imagebutton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
constexpr char captionFamily[] = "DejaVu Sans";
constexpr qreal focusWidth = 2;
} // namespace

ImageButton::ImageButton(QWidget *parent)
    : QPushButton(parent)
{
    setFlat(true);
    setAutoDefault(false);
}

void ImageButton::setImage(const QString &path)
{
    setImage(path, Caption());
}

void ImageButton::setImage(const QString &path, const Caption &caption_)
{
    image.load(path);
    caption = caption_;
    update();
}

qreal ImageButton::factor() const
{
    const QSizeF design = image.defaultSize();
    if (design.isEmpty())
        return 1;
    return std::min(width() / design.width(), height() / design.height());
}

QFont ImageButton::designFont(qreal pixelSize) const
{
    QFont font{QString::fromLatin1(captionFamily)};
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setLetterSpacing(QFont::AbsoluteSpacing, caption.letterSpacing * pixelSize /
                                                      std::max<qreal>(caption.pixelSize, 1));
    return font;
}

QRectF ImageButton::captionRoom() const
{
    const qreal f = factor();
    return QRectF(caption.left * f, 0, (caption.right - caption.left) * f, height());
}

QFont ImageButton::captionFont() const
{
    const qreal f = factor();
    qreal size = caption.pixelSize * f;
    QFont font = designFont(size);
    const qreal room = captionRoom().width();
    // Half a pixel at a time, as long as the text is wider than its room.
    while (size > 1 && QFontMetricsF(font).horizontalAdvance(text()) > room) {
        size -= 0.5;
        font = designFont(size);
    }
    return font;
}

QSize ImageButton::sizeHint() const
{
    return image.defaultSize();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const qreal f = factor();
    const QSizeF drawn = QSizeF(image.defaultSize()) * f;
    const QRectF face(QPointF(0, 0), drawn);
    if (isDown())
        painter.setOpacity(0.8);
    image.render(&painter, face);
    painter.setOpacity(1);

    if (!text().isEmpty() && caption.pixelSize > 0) {
        const QFont font = captionFont();
        const QFontMetricsF metrics(font);
        const qreal wide = metrics.horizontalAdvance(text());
        const qreal anchorX = caption.anchor.x() * f;
        const QRectF room = captionRoom();
        // On the design's middle while the text fits around it, else in the room's middle.
        const qreal half = std::min(anchorX - room.left(), room.right() - anchorX);
        const qreal middle = wide <= 2 * half ? anchorX : room.center().x();
        // A smaller font keeps the capitals' middle where the design's were.
        const qreal capsMiddle = caption.anchor.y() * f -
                                 QFontMetricsF(designFont(caption.pixelSize * f)).capHeight() / 2;
        const qreal baseline = capsMiddle + metrics.capHeight() / 2;
        painter.setFont(font);
        painter.setPen(caption.colour);
        painter.drawText(QPointF(middle - wide / 2, baseline), text());
    }

    // The focus shows as a ring in the highlight colour, following the face's outline.
    if (hasFocus()) {
        QPen ring(palette().color(QPalette::Highlight), focusWidth);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        const QRectF edge = face.adjusted(1, 1, -1, -1);
        const qreal round = std::min(edge.width(), edge.height()) / 2;
        painter.drawRoundedRect(edge, round, round);
    }
}
