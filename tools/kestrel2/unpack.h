#pragma once

#include <QString>

class QIODevice;

// Copies the file entry with the given path out of a zip archive into out, at most
// maxBytes of it; the archive must hold exactly one entry of that path, a regular file.
// Returns an empty string on success, else what failed.
QString unpackEntry(const QString &archive, const QString &entry, QIODevice &out, qint64 maxBytes);
