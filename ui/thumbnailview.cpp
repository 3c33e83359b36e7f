#include "ui/thumbnailview.h"

#include <QBuffer>
#include <QDebug>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QPixmap>

ThumbnailView::ThumbnailView(QWidget *parent)
    : QLabel(parent)
    , network(new QNetworkAccessManager(this))
{
    setAccessibleName(tr("Thumbnail"));
    hide();
}

void ThumbnailView::reset()
{
    if (get) {
        get->cancel();
        get->deleteLater();
    }
    image = QImage();
    clear();
    hide();
}

void ThumbnailView::fetch(const QUrl &address)
{
    reset();
    get = new HttpGet(network, this);
    HttpGet::Limits limits;
    limits.maxBytes = maxBytes;
    limits.stallMs = stallMs;
    limits.deadlineMs = deadlineMs;
    get->setLimits(limits);
    connect(get, &HttpGet::finished, this, &ThumbnailView::whenFetched);
    get->start(address);
}

void ThumbnailView::whenFetched(const HttpGet::Reply &result)
{
    get->deleteLater();
    if (!result.ok()) {
        qDebug().noquote() << "No thumbnail:" << result.errorText();
        return;
    }
    QBuffer buffer;
    buffer.setData(result.body);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide ||
        !reader.read(&image)) {
        qDebug().noquote() << "No thumbnail: not a picture to show from" << result.url.toString();
        image = QImage();
        return;
    }
    showImage();
    emit shown();
}

void ThumbnailView::setImageHeight(int pixels)
{
    imageHeight = pixels;
    if (!image.isNull())
        showImage();
}

void ThumbnailView::showImage()
{
    setPixmap(
        QPixmap::fromImage(image.scaledToHeight(qMax(1, imageHeight), Qt::SmoothTransformation)));
    show();
}
