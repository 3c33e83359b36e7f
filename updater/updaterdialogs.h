#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QObject;

// The updater's message boxes. Each is modal for the whole program, has no parent window,
// returns at once and answers through its callback when the user has closed it; the box
// goes with owner, and the callback never runs after owner is gone.
namespace UpdaterDialogs {

// A text of the updater in the user's language (marked with QT_TRANSLATE_NOOP("Updater")).
QString translated(const char *source);

// The error dialog: fixed advice as main text, the failure in the details.
QMessageBox *showCritical(const QString &title, const QString &text, QObject *owner,
                          const std::function<void()> &closed);

enum class ExistingInstaller { Cancel, Run, DownloadAgain };
void askExistingInstaller(const QString &path, QObject *owner,
                          const std::function<void(ExistingInstaller)> &answer);

// After a finished download; answers true when the user chose "Next".
void askStartDownloaded(const QString &folder, const QString &appName, QObject *owner,
                        const std::function<void(bool)> &answer);

// Tells of a cancelled download; closes by itself after closeAfterMs.
void showCancelled(int closeAfterMs, QObject *owner, const std::function<void()> &closed);

} // namespace UpdaterDialogs
