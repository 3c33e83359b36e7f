#pragma once

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

    // Returns what failed, one text per tool; empty when both are current.
    QStringList run();
    // The version of the yt-dlp the run installed; empty when it installed none.
    QString installedVersion() const { return installed; }

private:
    // Fetches and checks a new yt-dlp into staged, or leaves it empty when current.
    QString prepareYtDlp(QString &staged);
    QString updateDeno();
    HttpGet::Limits fetchLimits(qint64 maxBytes) const;
    // Empty when the build at path answers --version in time.
    QString checkRuns(const QString &path);
    // The expected SHA-256 from a checksum file; for a sums file, from the named line.
    QString expectedSha256(const QUrl &url, const QString &fileName, QByteArray &sha256,
                           QByteArray *body = nullptr);
    // Fetches, unpacks and checks the unpacked yt-dlp build; staged is then a link to it.
    QString prepareUnpacked(const QByteArray &sha256, QString &staged);
    // The sum of the archive the unpacked build in use came from; empty for none.
    QString currentBuild() const;
    // Fetches url into a temporary file, checks it, and returns it through temporaryPath.
    QString fetchVerified(const QUrl &url, const QByteArray &sha256, const QString &finalName,
                          QString &temporaryPath);
    QString makeExecutable(const QString &temporaryPath);
    QString installExecutable(const QString &temporaryPath, const QString &finalPath);

    const ManagedFolder &folder;
    ReleaseSource source;
    Limits limits;
    QDeadlineTimer deadline;
    QNetworkAccessManager manager;
    QString ytDlpPath;
    QString checkedVersion; // what the build checked last answered to --version
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
