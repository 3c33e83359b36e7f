#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QNetworkAccessManager;
class QUrl;

// One HTTP GET that never trusts the network: https only (plain http only to this
// machine), no redirect from https to http, a size limit and a limit on silence.
class Fetch {
public:
    struct Limits {
        qint64 maxBytes;
        int stallMs; // no answer or no progress for this long ends the request
    };

    Fetch(QNetworkAccessManager &manager, Limits limits);

    // Writes the body into sink. Returns an empty string on success, else what failed.
    QString get(const QUrl &url, QIODevice &sink);
    // The SHA-256 of the body the last get() received, as lower-case hex.
    QByteArray sha256() const { return digest; }

    static bool isAllowed(const QUrl &url);

private:
    QNetworkAccessManager &manager;
    Limits limits;
    QByteArray digest;
};
