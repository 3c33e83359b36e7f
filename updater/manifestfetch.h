#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

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
    ~ManifestFetch() override;

    void start(const QUrl &url);

signals:
    void fetched(const QByteArray &body);
    // The text is the one the error report shows.
    void failed(const QString &text);

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString &reason);

    Limits limits;
    QUrl url;
    QNetworkAccessManager *manager;
    QPointer<QNetworkReply> reply;
    QByteArray body;
    QTimer limitTimer;
};
