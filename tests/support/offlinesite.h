#pragma once

#include "tests/support/httpserver.h"

#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

// A video site on 127.0.0.1 for the real downloader: media made by ffmpeg for the test,
// served over HTTP, and the video's info at /watch/<id>, whose formats point at them.
// An extractor plug-in makes yt-dlp ask this site for a bare video ID, so the shipped
// launcher, a managed yt-dlp built from the installed one, and ffmpeg run against it
// without any network.
// A stand-in release file built with the tests: "yt-dlp-2098.01.01" and
// "yt-dlp-2099.01.01" report their version, "deno-2.5.0.zip" holds a "deno" that does;
// "deno-twice.zip" holds that "deno" twice, "deno-link.zip" a link named "deno" first.
QString testRelease(const char *name);

// What ffprobe tells of a media file: its "streams", "chapters" and "format", as JSON.
QJsonObject probeMedia(const QString &file);
// The kinds of the streams in a media file ("audio", "video"), sorted, as ffprobe sees
// them; an attached picture counts as "picture", a subtitle as "subtitle:" and its language.
QStringList streamTypes(const QString &file);

class OfflineSite {
public:
    static constexpr char videoId[] = "abc123XYZ_0";
    static constexpr char title[] = "Test Video Title";
    static constexpr int durationSeconds = 213;
    static constexpr char thumbnailPath[] = "/thumbnail.png";
    // Subtitles in German, automatic captions in English, and two chapters.
    static constexpr char subtitlesPath[] = "/subtitles.de.vtt";
    static constexpr char captionsPath[] = "/captions.en.vtt";
    static constexpr char firstChapter[] = "Opening";

    // Makes the media (seconds long) and starts the server; false on failure.
    bool start(int seconds = 2, qint64 bytesPerSecond = 0);
    static constexpr char managedVersion[] = "2099.01.01";

    // Places the launcher, ffmpeg and the managed yt-dlp into the tool folder, and the
    // site's extractor plug-in into the user's yt-dlp configuration.
    bool stage(const QString &dataDir);

    // The video's info, its media addresses under mediaPath.
    QJsonObject info(const QByteArray &mediaPath = QByteArray()) const;
    void serveInfo(const QJsonObject &info);
    void serveMedia(const QByteArray &mediaPath);
    // How often the info of the video was asked for: the tool's extractions.
    int extractions(const QByteArray &id = videoId) const;

    QString error() const { return failure; }
    HttpServer &server() { return http; }

private:
    bool runFfmpeg(const QStringList &arguments);

    QTemporaryDir media;
    HttpServer http;
    QString failure;
    qint64 videoSize = 0;
    qint64 audioSize = 0;
    qint64 rate = 0;
};
