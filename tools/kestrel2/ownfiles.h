#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>

// The launcher's own files and folders, written without following a symbolic link that
// someone else put at their names.
namespace OwnFiles {

// Creates the folder (and its parents) and makes it readable only by the user, never
// through a link: a link at its name is replaced by a folder when replaceLink, else
// refused.
Result<> makePrivateFolder(const QString &path, bool replaceLink);

} // namespace OwnFiles
