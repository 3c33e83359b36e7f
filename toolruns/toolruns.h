#pragma once

#include <QString>
#include <QStringList>

// The runs the program asks of the tool for one video, as the engine starts them and as
// the launcher recognises them: both sides build and read them here, so they cannot drift.
// Each takes the browser whose cookies the tool reads, by the tool's name for it; empty
// for none, which leaves the run as it was before the choice existed.
namespace ToolRuns {

enum class Kind { Metadata, Listing, Thumbnail, Download, Other };

// How the launcher's line on standard error begins when a run waited in vain for the first
// installation of the managed yt-dlp and goes on with the one on PATH.
inline constexpr char systemToolNotice[] =
    "WARNING: the managed yt-dlp is still being installed after";

// The browsers the user may lend the tool cookies from, by the tool's names.
const QStringList &cookieBrowsers();

// The title and duration lines.
QStringList metadataArguments(const QString &target, const QString &cookiesBrowser = QString());
// The format table.
QStringList listingArguments(const QString &target, const QString &cookiesBrowser = QString());
// The address of the video's thumbnail, one line; answered from the info the metadata run
// extracted, never by a second extraction.
QStringList thumbnailArguments(const QString &target, const QString &cookiesBrowser = QString());
// The download of one format into outputFolder, with ffmpeg from toolFolder. A folder that
// the tool would take for another is named as "." (see toolTakesFolderLiterally()).
QStringList downloadArguments(uint formatCode, const QString &toolFolder,
                              const QString &outputFolder, const QString &target,
                              const QString &cookiesBrowser = QString());
// The download of the best audio alone, as the site serves it (m4a when there is one).
QStringList audioDownloadArguments(const QString &toolFolder, const QString &outputFolder,
                                   const QString &target,
                                   const QString &cookiesBrowser = QString());

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
