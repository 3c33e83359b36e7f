#pragma once

#include "app/result.h"

#include <QString>

// What the updater does differently on each platform.
namespace UpdaterPlatform {

// The manifest's file name on the maker's server; each platform has its own list of
// installers.
QString manifestFileName();

// Hands a downloaded installer to the system: a package the desktop installs is opened
// with the desktop services, anything else is made executable and started on its own.
// Fails when that could not be done.
Result<> startInstaller(const QString &path);

// The error dialog's advice and the offer's warning, untranslated (context "Updater"):
// only on Windows do security programs commonly block an installer.
const char *errorAdvice();
const char *offerWarning();

} // namespace UpdaterPlatform
