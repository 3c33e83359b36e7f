#pragma once

#include <QByteArrayList>
#include <QString>

// Runs the chosen yt-dlp in place of the launcher, with the arguments it was given,
// adapted to what that yt-dlp knows.
namespace Launch {

// Options that the launcher adds or drops, depending on the yt-dlp's own --help.
inline constexpr char progressDelta[] = "--progress-delta";
inline constexpr char jsRuntimes[] = "--js-runtimes";

// Drops --progress-delta (and its value) when unknown; adds the managed Deno as the
// JavaScript runtime when there is one and the option is known.
QByteArrayList adaptArguments(const QByteArrayList &given, const QByteArrayList &known,
                              const QString &deno);

// Which of the options above this yt-dlp knows, remembered per yt-dlp file.
QByteArrayList knownOptions(const QString &ytDlp);

// True when the arguments ask for a self-update of any form.
bool asksForUpdate(const QByteArrayList &arguments);

// Never returns on success; returns the exit code after writing an "ERROR:" line.
int exec(const QString &ytDlp, const QByteArrayList &arguments);

} // namespace Launch
