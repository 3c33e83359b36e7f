#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The release hosts laid out as the real ones answer, served by Debian's nginx on loopback:
// /<owner>/<name>/releases/latest/download/<asset> answers 302 with an absolute Location to
// /<owner>/<name>/releases/download/<tag>/<asset>, which answers 302 to a second host
// (127.0.0.2, another port, a signed-looking query) that serves the bytes. Only assets of
// a repository's latest release are found under latest/download; others answer 404 there.
class ReleaseHosts {
public:
    enum class Transport { Http, Https }; // Https: TLS and HTTP/2, trusting caFile()

    // One line of the access log, written when the answer has ended; path without the query.
    struct Request {
        QString host; // "127.0.0.1:port"
        QString path;
        int status = 0;
        QString protocol; // "HTTP/1.1", "HTTP/2.0"
    };

    static constexpr int startAttempts = 3; // fresh ports each time another took ours
    static constexpr int startTimeoutMs = 10000;
    static constexpr int stopTimeoutMs = 5000;

    ReleaseHosts();
    ~ReleaseHosts();

    // Makes the certificates for Https, then starts nginx; false (see error()) on failure.
    bool start(Transport transport = Transport::Http);

    // Adds an asset to the release tag of repo ("owner/name"), which becomes its latest
    // release, served at most bytesPerSecond fast (0: no limit). Restarts nginx when it runs,
    // cutting transfers under way.
    bool publish(const QString &repo, const QString &tag, const QString &asset,
                 const QByteArray &bytes, qint64 bytesPerSecond = 0);
    bool publishFile(const QString &repo, const QString &tag, const QString &asset,
                     const QString &file, qint64 bytesPerSecond = 0);

    // "<scheme>://127.0.0.1:<port>/<owner>/<name>/releases/latest/download", the launcher's base.
    QString releaseBase(const QString &repo) const;
    QString caFile() const;
    QList<Request> requests() const;
    QString error() const { return failure; }

private:
    struct Asset {
        QString repo;
        QString tag;
        QString name;
        int id = 0;
        QString file;
        qint64 bytesPerSecond = 0;
    };

    bool makeCertificates();
    bool run(const QString &program, const QString &arguments); // in the folder
    bool runNginx();
    void stop();
    QString config() const;
    QString url(const QString &address, quint16 port, const QString &path) const;

    QTemporaryDir dir;
    QProcess nginx;
    Transport transport = Transport::Http;
    quint16 releasePort = 0;
    quint16 objectPort = 0;
    QMap<QString, QString> latestTags; // by repo
    QMap<QString, Asset> assets;       // by its path on the release host
    int published = 0;                 // names the files and ids of the assets
    QString failure;
};

// This machine's asset names, as the launcher asks for them.
QString ytDlpAssetName();
QString denoAssetName();

// The test releases built with the tests, with their sums files: yt-dlp under
// yt-dlp/yt-dlp (tag version), with its unpacked build when asked for, and Deno 2.5.0
// under denoland/deno (tag v2.5.0).
bool publishYtDlp(ReleaseHosts &hosts, const QString &version = QStringLiteral("2099.01.01"),
                  qint64 bytesPerSecond = 0, bool unpacked = false);
bool publishDeno(ReleaseHosts &hosts, qint64 bytesPerSecond = 0);
