#pragma once

#include <QString>

// The updater's message boxes. All run modally, without a parent window.
namespace UpdaterDialogs {

// A text of the updater in the user's language (marked with QT_TRANSLATE_NOOP("Updater")).
QString translated(const char *source);

// The error dialog: fixed advice as main text, the failure in the details.
void showCritical(const QString &title, const QString &text);

enum class ExistingInstaller { Cancel, Run, DownloadAgain };
ExistingInstaller askExistingInstaller(const QString &path);

// After a finished download; true when the user chose "Next".
bool askStartDownloaded(const QString &folder, const QString &appName);

// Tells of a cancelled download; closes by itself after closeAfterMs.
void showCancelled(int closeAfterMs);

} // namespace UpdaterDialogs
