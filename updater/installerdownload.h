#pragma once

#include "app/result.h"
#include "net/httpget.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QUrl>

// Streams an installer to a file within limits of size and time, reports its progress at
// most once per interval, and checks its SHA-256 when one is given. A failed or cancelled
// download leaves no file.
class InstallerDownload : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 maxInstallerBytes = qint64(1) << 30; // 1 GiB
    static constexpr int stallLimitMs = 30 * 1000;
    static constexpr int deadlineMs = 60 * 60 * 1000;

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
    // The limits above unless a test shortens them.
    void setLimits(const HttpGet::Limits &limits) { get.setLimits(limits); }
    bool isRunning() const { return get.isRunning(); }

    // Fails, with the report's text, when the file cannot be opened for writing.
    Result<> start(const QUrl &url, const QString &path, const QString &sha256);
    // Stops a running download and removes its partial file; reports nothing.
    void cancel();

signals:
    void firstProgress();
    void progressChanged(uint percent);
    void finished(const QString &path);
    void failed(const QString &title, const QString &text);

private:
    void onProgress(qint64 received, qint64 total);
    void onFinished(const HttpGet::Reply &result);
    void reportFailure(const char *title, const QString &text);
    void discardFile();

    int progressIntervalMs = 1000;
    QFile file;
    QString sha256;
    bool progressSeen = false;
    bool endReported = false;
    QElapsedTimer progressTimer;
    HttpGet get; // after the file it writes into
};
