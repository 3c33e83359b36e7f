#pragma once

#include <QStringList>
#include <QUrl>

// Where the updater looks: the maker's server and the public-address services.
// CLIPMOOR_UPDATE_SERVER (for example http://127.0.0.1:8080) points all of them at one
// other server, for a support person or a test: the manifest, and the address lookups
// at "/", "/ip" and "/ip.php" of that server.
namespace UpdaterConfig {

QUrl manifestUrl();
QStringList addressLookupUrls();

// True when built for a distribution's package, whose package manager installs updates.
bool distributionPackage();

} // namespace UpdaterConfig
