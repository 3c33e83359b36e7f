#include "tests/support/offlinesite.h"

#include "platform/platform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

bool OfflineSite::runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                             QStringLiteral("error"), QStringLiteral("-y")} +
                     arguments);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0) {
        failure =
            QStringLiteral("ffmpeg failed: ") + QString::fromUtf8(ffmpeg.readAllStandardError());
        return false;
    }
    return true;
}

bool OfflineSite::start(int seconds, qint64 bytesPerSecond)
{
    const QString length = QString::number(seconds);
    const QString video = media.filePath(QStringLiteral("video.mp4"));
    const QString audio = media.filePath(QStringLiteral("audio.m4a"));
    if (!runFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc=size=320x180:rate=25:duration=") + length,
                    QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                    QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"),
                    QStringLiteral("yuv420p"), QStringLiteral("-an"), video}) ||
        !runFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("sine=frequency=440:duration=") + length, QStringLiteral("-c:a"),
                    QStringLiteral("aac"), QStringLiteral("-vn"), audio}))
        return false;
    videoSize = QFileInfo(video).size();
    audioSize = QFileInfo(audio).size();
    rate = bytesPerSecond;
    serveMedia("");
    QImage thumbnail(64, 36, QImage::Format_RGB32);
    thumbnail.fill(Qt::darkCyan);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    thumbnail.save(&png, "PNG");
    http.route(thumbnailPath, {200, "image/png", png.data()});
    const QByteArray cue = "WEBVTT\n\n00:00:00.000 --> 00:00:01.500\nHallo\n";
    http.route(subtitlesPath, {200, "text/vtt", cue});
    http.route(captionsPath, {200, "text/vtt", QByteArray(cue).replace("Hallo", "Hello")});
    if (!http.listen()) {
        failure = QStringLiteral("cannot listen on 127.0.0.1");
        return false;
    }
    return true;
}

QJsonObject OfflineSite::info(const QByteArray &mediaPath) const
{
    const auto format = [](const char *id, const QByteArray &url, const char *ext,
                           const char *vcodec, const char *acodec, qint64 size) {
        QJsonObject object{{QStringLiteral("format_id"), QLatin1String(id)},
                           {QStringLiteral("url"), QString::fromLatin1(url)},
                           {QStringLiteral("ext"), QLatin1String(ext)},
                           {QStringLiteral("protocol"), QStringLiteral("http")},
                           {QStringLiteral("vcodec"), QLatin1String(vcodec)},
                           {QStringLiteral("acodec"), QLatin1String(acodec)},
                           {QStringLiteral("filesize"), size}};
        if (qstrcmp(vcodec, "none") != 0) {
            object.insert(QStringLiteral("width"), 320);
            object.insert(QStringLiteral("height"), 180);
        }
        return object;
    };
    return {
        {QStringLiteral("id"), QLatin1String(videoId)},
        {QStringLiteral("title"), QLatin1String(title)},
        {QStringLiteral("duration"), durationSeconds},
        {QStringLiteral("thumbnail"), QString::fromLatin1(http.url(thumbnailPath))},
        {QStringLiteral("subtitles"),
         QJsonObject{{QStringLiteral("de"),
                      QJsonArray{QJsonObject{
                          {QStringLiteral("ext"), QStringLiteral("vtt")},
                          {QStringLiteral("url"), QString::fromLatin1(http.url(subtitlesPath))}}}},
                     {QStringLiteral("live_chat"),
                      QJsonArray{QJsonObject{
                          {QStringLiteral("ext"), QStringLiteral("json")},
                          {QStringLiteral("url"), QString::fromLatin1(http.url("/chat"))}}}}}},
        {QStringLiteral("automatic_captions"),
         QJsonObject{{QStringLiteral("en"),
                      QJsonArray{QJsonObject{
                          {QStringLiteral("ext"), QStringLiteral("vtt")},
                          {QStringLiteral("url"), QString::fromLatin1(http.url(captionsPath))}}}}}},
        {QStringLiteral("chapters"),
         QJsonArray{QJsonObject{{QStringLiteral("start_time"), 0},
                                {QStringLiteral("end_time"), 1},
                                {QStringLiteral("title"), QLatin1String(firstChapter)}},
                    QJsonObject{{QStringLiteral("start_time"), 1},
                                {QStringLiteral("end_time"), 2}, // the media's length
                                {QStringLiteral("title"), QStringLiteral("Rest")}}}},
        {QStringLiteral("extractor"), QStringLiteral("generic")},
        {QStringLiteral("extractor_key"), QStringLiteral("Generic")},
        {QStringLiteral("formats"), QJsonArray{format("140", http.url(mediaPath + "/audio.m4a"),
                                                      "m4a", "none", "mp4a.40.2", audioSize),
                                               format("137", http.url(mediaPath + "/video.mp4"),
                                                      "mp4", "avc1.64000d", "none", videoSize)}},
    };
}

void OfflineSite::serveMedia(const QByteArray &mediaPath)
{
    http.serveFile(mediaPath + "/video.mp4", media.filePath(QStringLiteral("video.mp4")),
                   "video/mp4", rate);
    http.serveFile(mediaPath + "/audio.m4a", media.filePath(QStringLiteral("audio.m4a")),
                   "audio/mp4", rate);
}

void OfflineSite::serveInfo(const QJsonObject &info)
{
    http.route("/watch/" + info.value(QLatin1String("id")).toString().toUtf8(),
               {200, "application/json", QJsonDocument(info).toJson()});
}

int OfflineSite::extractions(const QByteArray &id) const
{
    return int(http.requestedPaths().count("/watch/" + id));
}

bool OfflineSite::stage(const QString &dataDir)
{
    serveInfo(info());
    qputenv("CLIPMOOR_TEST_SITE", http.url(""));
    // Nothing here may fetch a release.
    qputenv("CLIPMOOR_TOOL_RELEASES", "none");
    qputenv("CLIPMOOR_DENO_RELEASES", "none");

    const QString plugins =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/yt-dlp/plugins/clipmoor/yt_dlp_plugins/extractor");
    const QString managed = dataDir + QStringLiteral("/managed");
    const QString tool = dataDir + QLatin1Char('/') + Platform::toolFileName();
    const QString ffmpeg = dataDir + QStringLiteral("/ffmpeg");
    QDir().mkpath(plugins);
    QDir().mkpath(managed);
    QFile::remove(plugins + QStringLiteral("/clipmoor_site.py"));
    QFile::remove(tool);
    QFile::remove(ffmpeg);
    if (!QFile::copy(QStringLiteral(CLIPMOOR_TEST_TOOLS_DIR "/site/clipmoor_site.py"),
                     plugins + QStringLiteral("/clipmoor_site.py")) ||
        !QFile::copy(QStringLiteral(CLIPMOOR_BIN_DIR "/kestrel2"), tool) ||
        !QFile::link(QStringLiteral(CLIPMOOR_BIN_DIR "/ffmpeg"), ffmpeg)) {
        failure = QStringLiteral("cannot stage the tools in ") + dataDir;
        return false;
    }
    const QString ytDlp = managed + QStringLiteral("/yt-dlp");
    if (!QFile::exists(ytDlp) &&
        !QFile::copy(testRelease("yt-dlp-") + QLatin1String(managedVersion), ytDlp)) {
        failure = QStringLiteral("cannot build the managed yt-dlp");
        return false;
    }
    return true;
}

QString testRelease(const char *name)
{
    return QStringLiteral(CLIPMOOR_TEST_RELEASES_DIR "/") + QLatin1String(name);
}

QJsonObject probeMedia(const QString &file)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_streams"),
                 QStringLiteral("-show_chapters"), QStringLiteral("-show_format"),
                 QStringLiteral("-of"), QStringLiteral("json"), file});
    probe.waitForFinished(30000);
    return QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
}

QStringList streamTypes(const QString &file)
{
    QStringList streams;
    for (const QJsonValue &value : probeMedia(file).value(QLatin1String("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        QString type = stream.value(QLatin1String("codec_type")).toString();
        if (stream.value(QLatin1String("disposition"))
                .toObject()
                .value(QLatin1String("attached_pic"))
                .toInt() == 1)
            type = QStringLiteral("picture");
        else if (type == QLatin1String("subtitle"))
            type += QLatin1Char(':') + stream.value(QLatin1String("tags"))
                                           .toObject()
                                           .value(QLatin1String("language"))
                                           .toString();
        streams.append(type);
    }
    streams.sort();
    return streams;
}
