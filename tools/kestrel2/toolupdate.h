#pragma once

#include "app/result.h"
#include "net/httpget.h"
#include "tools/kestrel2/managedfolder.h"

#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

#include <functional>

// Where the releases come from, as the environment sets it.
struct ReleaseSource {
    static constexpr char off[] = "none";

    QString ytDlpBase; // empty: fetching turned off
    QString denoBase;  // empty: fetching turned off
    QString ytDlpFile; // the release file for this machine; empty: none for it
    QString denoFile;

    static ReleaseSource fromEnvironment();
    // yt-dlp's nightly builds, laid out as its releases; no Deno of their own.
    static ReleaseSource nightlyFromEnvironment();
    bool fetchingOff() const { return ytDlpBase.isEmpty(); }
};

// Brings the managed yt-dlp and Deno up to the latest release. Each is checked against the
// release's SHA-256 and must answer --version before it replaces what was there; a new
// yt-dlp is let in only after the Deno of the same update.
class ToolUpdate {
public:
    struct Limits {
        qint64 sumsBytes = 1024 * 1024;
        qint64 releaseBytes = qint64(512) * 1024 * 1024;
        qint64 unpackedBytes = qint64(1024) * 1024 * 1024;
        int stallMs = 30000;
        int deadlineMs = 10 * 60 * 1000; // the whole update
        int versionCheckMs = 60 * 1000;
    };

    ToolUpdate(const ManagedFolder &folder, const ReleaseSource &source, Limits limits);

    // Installs the yt-dlp as path (by default the managed yt-dlp) rather than folder.ytDlp().
    void setYtDlpPath(const QString &path) { ytDlpPath = path; }
    // Called as a newer yt-dlp starts to download, with its version when the release
    // host's address names it (else empty).
    void setFetchingNotice(std::function<void(const QString &version)> notice)
    {
        fetchingNotice = std::move(notice);
    }

    // Fails with what failed, one part per tool ("yt-dlp: …; Deno: …"); a tool may have
    // been installed all the same.
    Result<> run();
    // The version of the yt-dlp the run installed; empty when it installed none.
    QString installedVersion() const { return installed; }

private:
    // A checked yt-dlp waiting to be installed, and the version it answered.
    struct Staged {
        QString path; // empty: the one installed is current
        QString version;
    };

    // Fetches and checks a new yt-dlp, unless the one installed is current.
    Result<Staged> prepareYtDlp();
    Result<> updateDeno();
    HttpGet::Limits fetchLimits(qint64 maxBytes) const;
    // What the build at path answers to --version in time.
    Result<QString> checkRuns(const QString &path);
    // The expected SHA-256 from a checksum file; for a sums file, from the named line.
    Result<QByteArray> expectedSha256(const QUrl &url, const QString &fileName,
                                      QByteArray *body = nullptr);
    // Fetches, unpacks and checks the unpacked yt-dlp build; staged as a link to it.
    Result<Staged> prepareUnpacked(const QByteArray &sha256);
    // The sum of the archive the unpacked build in use came from; empty for none.
    QString currentBuild() const;
    // Fetches url into a temporary file and checks it; the file's path.
    Result<QString> fetchVerified(const QUrl &url, const QByteArray &sha256,
                                  const QString &finalName);
    // What fetching url failed with; the update's own deadline when that is what ran out.
    QString fetchFailure(const QString &reason, const QUrl &url) const;
    Result<> makeExecutable(const QString &temporaryPath);
    Result<> installExecutable(const QString &temporaryPath, const QString &finalPath);

    const ManagedFolder &folder;
    ReleaseSource source;
    Limits limits;
    QDeadlineTimer deadline;
    QNetworkAccessManager manager;
    QString ytDlpPath;
    QString installed;
    QString releaseTag; // of the yt-dlp sums, as the host's redirects named it
    std::function<void(const QString &)> fetchingNotice;
};

// The release a host's addresses name ("…/releases/download/2026.09.01/SHA2-256SUMS"),
// when it is a version; else empty.
QString releaseVersionOf(const QList<QUrl> &asked);

// The version a build installed as path answered when it was installed; empty if unknown.
QString installedVersionOf(const QString &path);
// True when version a is a later yt-dlp version than b ("2026.09.01" < "2026.09.01.123").
bool laterVersion(const QString &a, const QString &b);

// The file's SHA-256 as lower-case hex; empty when it cannot be read.
QByteArray fileSha256(const QString &path);
