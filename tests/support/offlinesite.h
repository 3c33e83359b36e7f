#pragma once

#include "tests/support/httpserver.h"

#include <QString>
#include <QTemporaryDir>

// A video site on 127.0.0.1 for the real downloader: media made by ffmpeg for the test,
// served over HTTP, and an info JSON whose formats point at them. Staged with the
// offline launcher, the real yt-dlp and ffmpeg run against it without any network.
// The kinds of the streams in a media file ("audio", "video"), sorted, as ffprobe sees them.
QStringList streamTypes(const QString &file);

class OfflineSite {
public:
    static constexpr char videoId[] = "abc123XYZ_0";
    static constexpr char title[] = "Test Video Title";
    static constexpr int durationSeconds = 213;

    // Makes the media (seconds long) and starts the server; false on failure.
    bool start(int seconds = 2, qint64 bytesPerSecond = 0);
    // Places the offline launcher, ffmpeg and the info JSON into the tool folder.
    bool stage(const QString &dataDir) const;

    QString error() const { return failure; }
    HttpServer &server() { return http; }

private:
    bool runFfmpeg(const QStringList &arguments);

    QTemporaryDir media;
    HttpServer http;
    QString failure;
    qint64 videoSize = 0;
    qint64 audioSize = 0;
};
