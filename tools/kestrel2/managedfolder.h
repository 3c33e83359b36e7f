#pragma once

#include <QString>

// The per-user folder where the launcher keeps the yt-dlp and Deno builds it manages.
class ManagedFolder {
public:
    ManagedFolder();

    QString path() const { return folder; }
    QString ytDlp() const;
    QString deno() const;
    QString denoStamp() const; // the checksum of the archive the installed Deno came from
    QString lockFile() const;

    // Creates the folder, readable only by the user, and clears a link planted at the
    // lock's name; a link in the folder's place is refused. Empty on success, else why not.
    QString create() const;
    // Removes temporary files that an update killed mid-way left behind.
    void removeLeftovers() const;
    // A temporary file name pattern in the folder, for QTemporaryFile.
    QString temporaryPattern(const QString &finalName) const;

private:
    QString folder;
};

// An exclusive lock on a file, released when the object is destroyed or the process ends,
// however it ends.
class FolderLock {
public:
    explicit FolderLock(const QString &file);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Waits at most timeoutMs for the lock; 0 only tries.
    bool acquire(int timeoutMs);

private:
    int fd = -1;
};
