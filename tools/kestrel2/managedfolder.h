#pragma once

#include "app/result.h"

#include <QLockFile>
#include <QString>

#include <memory>

// The per-user folder where the launcher keeps the yt-dlp and Deno builds it manages.
class ManagedFolder {
public:
    ManagedFolder();

    QString path() const { return folder; }
    QString ytDlp() const;
    // yt-dlp's nightly build, when one was installed beside the stable one.
    QString ytDlpNightly() const;
    QString deno() const;
    QString denoStamp() const; // the checksum of the archive the installed Deno came from
    QString lockFile() const;
    // The lock an update holds for as long as it runs. Only a lock whose holder has died
    // is stale, however long an update takes.
    std::unique_ptr<QLockFile> updateLock() const;
    // Where unpacked yt-dlp builds live, one folder each; managed/yt-dlp then links to
    // the program in one of them.
    QString builds() const;

    // Creates the folder, readable only by the user, and clears a link planted at the
    // lock's name; a link in the folder's place is refused.
    Result<> create() const;
    // Removes temporary files that an update killed mid-way left behind.
    void removeLeftovers() const;
    // A temporary file name pattern in the folder, for QTemporaryFile.
    QString temporaryPattern(const QString &finalName) const;
    // Removes the unpacked builds that managed/yt-dlp does not lead to and no run uses.
    void removeUnusedBuilds() const;
    // The yt-dlp a run should start. For an unpacked build, the real path of its program,
    // leased for as long as this process and the program it becomes live, so that no
    // update removes the build under it.
    QString leaseYtDlp() const { return leaseYtDlp(ytDlp()); }
    // The same for the yt-dlp at path (the managed one, or its nightly build).
    QString leaseYtDlp(const QString &path) const;

    // The file in a build's folder that runs hold a shared lock on.
    static constexpr char leaseName[] = ".in-use";

private:
    QString folder;
};
