#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// The runs the program asks of the tool for one video, as the engine starts them and as
// the launcher recognises them: both sides build and read them here, so they cannot drift.
// Each takes the browser whose cookies the tool reads, by the tool's name for it; empty
// for none, which leaves the run as it was before the choice existed.
namespace ToolRuns {

enum class Kind { Metadata, Listing, Thumbnail, Subtitles, Download, Other };

// A part of the video, in whole seconds from its start.
struct Section {
    int startS = 0;
    int endS = 0;
};

// What the user chose to change about a download; the default changes nothing, so that the
// arguments stay as they were before the choices existed.
struct DownloadChoice {
    bool embed = false;              // title, chapters and cover into the file
    QString subtitles;               // the language embedded into a video; empty for none
    bool automaticSubtitles = false; // that language comes from the automatic captions
    std::optional<Section> part;
    bool mp3 = false; // the sound alone, converted to MP3
};

// How the launcher's line on standard error begins when a run waited in vain for the first
// installation of the managed yt-dlp and goes on with the one on PATH.
inline constexpr char systemToolNotice[] =
    "WARNING: the managed yt-dlp is still being installed after";
// Which yt-dlp builds the launcher runs, stored under channelKey in the program's settings,
// which the launcher reads beside its managed folder.
inline constexpr char channelKey[] = "Tool/Channel";
enum class Channel { Stable, Automatic, Nightly }; // Automatic: nightly only when needed
Channel channelFrom(const QString &stored);        // Automatic for anything unknown
QString channelName(Channel channel);              // as stored

// The browsers the user may lend the tool cookies from, by the tool's names.
const QStringList &cookieBrowsers();

// The title and duration lines.
QStringList metadataArguments(const QString &target, const QString &cookiesBrowser = QString());
// The format table.
QStringList listingArguments(const QString &target, const QString &cookiesBrowser = QString());
// The address of the video's thumbnail, one line; answered from the info the metadata run
// extracted, never by a second extraction.
QStringList thumbnailArguments(const QString &target, const QString &cookiesBrowser = QString());
// The video's subtitles and automatic captions, each a line of JSON ("NA" for none);
// answered from the info the metadata run extracted, never by a second extraction.
QStringList subtitlesArguments(const QString &target, const QString &cookiesBrowser = QString());
// What the subtitles run prints for an info.
QByteArray subtitlesOutput(const QJsonObject &info);
// The download of one format into outputFolder, with ffmpeg from toolFolder. A folder that
// the tool would take for another is named as "." (see toolTakesFolderLiterally()). MP3 is
// a choice for the sound alone and subtitles one for a video: each is ignored by the other.
QStringList downloadArguments(uint formatCode, const QString &toolFolder,
                              const QString &outputFolder, const QString &target,
                              const QString &cookiesBrowser = QString(),
                              const DownloadChoice &choice = DownloadChoice());
// The download of the best audio alone, as the site serves it (m4a when there is one).
QStringList audioDownloadArguments(const QString &toolFolder, const QString &outputFolder,
                                   const QString &target, const QString &cookiesBrowser = QString(),
                                   const DownloadChoice &choice = DownloadChoice());

// True when the tool, which expands variables and "~" in the download folder, strips blanks
// around it and replaces characters that Windows does not allow in file names, would
// write into the folder as named; else the download names "." and runs in the folder.
bool toolTakesFolderLiterally(const QString &folder);
// The folder a download names to the tool: the folder itself, or "." when the tool would
// take it for another.
QString downloadFolderArgument(const QString &folder);

// Which of the runs above the arguments are; Other for anything else.
Kind classify(const QStringList &arguments);

// The browser a run names for its cookies; empty when it names none.
QString cookiesBrowserOf(const QStringList &arguments);

} // namespace ToolRuns
