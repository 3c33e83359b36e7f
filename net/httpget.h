#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// One HTTP GET that never trusts the network. It follows redirects itself, each hop
// checked before it is asked (https anywhere, plain http only to this machine, never
// from https to http), and bounds the request by size, by silence and by an overall
// deadline. It ends with exactly one finished(); after that, or after cancel() or its
// destruction, nothing of the request reaches its caller.
class HttpGet : public QObject {
    Q_OBJECT

public:
    struct Limits {
        qint64 maxBytes = 1024 * 1024;
        int stallMs = 30 * 1000;         // no data for this long ends the request
        int deadlineMs = 10 * 60 * 1000; // the whole request, every hop included
        int maxHops = 10;
    };

    enum class Failure {
        None,
        Refused,
        TooManyRedirects,
        Status,
        TooLarge,
        Stalled,
        Deadline,
        WriteFailed,
        Network
    };

    // How the request ended: what answered, or how it failed.
    struct Reply {
        QUrl url;          // the address that answered last, after the redirects
        QList<QUrl> asked; // every address asked, redirects included, in order
        int status = 0;
        QByteArray contentType;
        QByteArray body;   // when no sink was given
        QByteArray head;   // the first bytes of the body, error pages included
        QByteArray sha256; // of the body, as lower-case hex
        qint64 bytes = 0;
        Failure failure = Failure::None;
        QString reason; // what went wrong, in a few words
        bool ok() const { return failure == Failure::None; }
        // "cannot fetch <address>: <reason>"
        QString errorText() const;
    };

    explicit HttpGet(QNetworkAccessManager *manager = nullptr, QObject *parent = nullptr);
    ~HttpGet() override;

    void setLimits(const Limits &limits_) { limits = limits_; }
    // Starts the request. The body goes into sink when one is given (it must stay open
    // until finished()), else into the result.
    void start(const QUrl &url, QIODevice *sink = nullptr);
    // Stops the request; finished() is not emitted.
    void cancel();
    bool isRunning() const { return running; }
    const Reply &result() const { return outcome; }

    static bool isAllowed(const QUrl &url);
    static bool isAllowedHop(const QUrl &from, const QUrl &to);

    // For a console program's one request at a time: runs until the request ends, and
    // fails with the reply's errorText().
    static Result<Reply> fetch(QNetworkAccessManager &manager, const QUrl &url, QIODevice *sink,
                               const Limits &limits);

signals:
    void progress(qint64 received, qint64 total);
    void finished(const HttpGet::Reply &result);

private:
    void request(const QUrl &url);
    void onHeaders();
    void onData();
    void onFinished();
    void finish(Failure failure, const QString &reason);
    void dropReply();

    QNetworkAccessManager *manager;
    QPointer<QNetworkReply> reply;
    QIODevice *sink = nullptr;
    Limits limits;
    Reply outcome;
    QCryptographicHash hash{QCryptographicHash::Sha256};
    QTimer stall;
    QTimer deadline;
    qint64 total = -1;
    int hops = 0;
    quint64 attempt = 0; // tells a refused start's late answer from a newer request
    bool headersSeen = false;
    bool running = false;
};
