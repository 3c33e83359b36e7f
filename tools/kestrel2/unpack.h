#pragma once

#include "app/result.h"

#include <QString>

class QIODevice;

// Copies the file entry with the given path out of a zip archive into out, at most
// maxBytes of it; the archive must hold exactly one entry of that path, a regular file.
Result<> unpackEntry(const QString &archive, const QString &entry, QIODevice &out, qint64 maxBytes);

// Unpacks a whole zip archive into the existing, empty folder: regular files and folders
// only, none outside the folder, at most maxBytes in all, each file's modes as stored
// (read and write for the owner at least). On failure the folder may hold part of the
// archive.
Result<> unpackFolder(const QString &archive, const QString &folder, qint64 maxBytes);
