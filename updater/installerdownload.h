#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;

// Streams an installer to a file, reports its progress at most once per interval, and
// checks its SHA-256 when one is given. A failed or cancelled download leaves no file.
class InstallerDownload : public QObject {
    Q_OBJECT

public:
    explicit InstallerDownload(QObject *parent = nullptr);
    ~InstallerDownload() override;

    // Only http and https addresses are fetched.
    static bool isFetchable(const QUrl &url);
    // The name to save the installer under, or empty text when the address gives none
    // that stays inside the target folder and is a plain file name.
    static QString safeFileName(const QUrl &url);
    // True when no checksum is given or the file's SHA-256 matches it.
    static bool matchesChecksum(const QString &path, const QString &sha256);

    void setProgressIntervalMs(int ms) { progressIntervalMs = ms; }
    bool isRunning() const { return reply; }

    // False with the report's text in error when the file cannot be opened for writing.
    bool start(const QUrl &url, const QString &path, const QString &sha256, QString &error);
    // Stops a running download and removes its partial file; reports nothing.
    void cancel();

signals:
    void firstProgress();
    void progressChanged(uint percent);
    void finished(const QString &path);
    // A network error reports twice, as "Network error" and as "Download failed".
    void failed(const QString &title, const QString &text);

private:
    void onProgress(qint64 received, qint64 total);
    void onError();
    void onFinished();
    void discardFile();

    int progressIntervalMs = 1000;
    QNetworkAccessManager *manager;
    QPointer<QNetworkReply> reply;
    QFile file;
    QString sha256;
    bool progressSeen = false;
    bool cancelling = false;
    QElapsedTimer progressTimer;
};
