#pragma once

#include "net/httpget.h"

#include <QImage>
#include <QLabel>
#include <QPointer>

class QNetworkAccessManager;

// The video's thumbnail beside its title: fetched once its address is known, shown when
// it arrives, and left out without a word when it cannot be had.
class ThumbnailView : public QLabel {
    Q_OBJECT

public:
    static constexpr qint64 maxBytes = 2 * 1024 * 1024;
    static constexpr int maxSide = 4096; // larger pictures are not decoded
    static constexpr int stallMs = 15 * 1000;
    static constexpr int deadlineMs = 60 * 1000;

    explicit ThumbnailView(QWidget *parent = nullptr);

    // Fetches the picture at the address; a fetch under way is dropped.
    void fetch(const QUrl &address);
    // Hides the picture and drops a fetch under way.
    void reset();
    // The height the picture is shown at.
    void setImageHeight(int pixels);

signals:
    void shown();

private:
    void whenFetched(const HttpGet::Reply &result);
    void showImage();

    QNetworkAccessManager *network;
    QPointer<HttpGet> get;
    QImage image;
    int imageHeight = 0;
};
