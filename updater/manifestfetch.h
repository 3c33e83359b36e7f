#pragma once

#include "net/httpget.h"

#include <QByteArray>
#include <QObject>
#include <QUrl>

// Fetches the update manifest, with a time limit and a cap on its size. Deleting the
// object drops a request still running.
class ManifestFetch : public QObject {
    Q_OBJECT

public:
    struct Limits {
        int timeoutMs = 30000;
        qint64 maxBytes = 1024 * 1024; // manifests are a few hundred bytes
    };

    explicit ManifestFetch(const Limits &limits, QObject *parent = nullptr);

    void start(const QUrl &url);

signals:
    void fetched(const QByteArray &body);
    // The text is the one the error report shows.
    void failed(const QString &text);

private:
    void onFinished(const HttpGet::Reply &result);

    Limits limits;
    QUrl url;
    HttpGet get;
};
