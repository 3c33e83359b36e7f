#pragma once

#include <QString>

class QSettings;

// Prepares what every start needs: the data folder, the version keys, the staged tools
// and the output folder.
void checkAndSetupFiles(QSettings *settings);

// Creates the output folder and moves installer files named like it out of the way.
void prepareOutputDir();

// The default folder downloads are written to; empty until prepareOutputDir() has run.
const QString &outputDir();

// Settings keys of the user's choices from the menu.
inline constexpr char downloadFolderKey[] = "Download/Folder";
inline constexpr char cookiesBrowserKey[] = "Cookies/Browser";
inline constexpr char embedKey[] = "Download/Embed";
inline constexpr char subtitlesKey[] = "Download/Subtitles";
// Whether an address taken from the clipboard or a drop is extracted before Enter; on unless
// turned off.
inline constexpr char prepareCopiedKey[] = "Address/Prepare";

// Where the next download goes: the folder the user chose, when it is still a folder that
// can be written, else outputDir(). A chosen folder passed over is put into unusable.
QString downloadFolder(const QSettings &settings, QString *unusable = nullptr);

// Writes value under key unless the stored text is already exactly that.
void storeIfChanged(QSettings *settings, const QString &key, const QString &value);
