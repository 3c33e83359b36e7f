#include "tools/kestrel2/toolupdate.h"

#include "tools/kestrel2/ownfiles.h"
#include "tools/kestrel2/unpack.h"

#include "platform/platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <memory>

#include <unistd.h>

namespace {
constexpr char defaultYtDlpBase[] = "https://github.com/yt-dlp/yt-dlp/releases/latest/download";
constexpr char defaultNightlyBase[] =
    "https://github.com/yt-dlp/yt-dlp-nightly-builds/releases/latest/download";
constexpr char versionSuffix[] = ".version"; // beside an installed yt-dlp: its version
constexpr char defaultDenoBase[] = "https://github.com/denoland/deno/releases/latest/download";
constexpr char ytDlpSums[] = "SHA2-256SUMS";
constexpr char denoSumsSuffix[] = ".sha256sum";
constexpr char denoEntry[] = "deno";
constexpr char zipSuffix[] = ".zip";
constexpr char buildStamp[] = ".sha256"; // in a build's folder: the sum of its archive
constexpr qint64 versionOutputBytes = 4096;
constexpr double msPerSecond = 1000.0;

QString base(const char *variable, const char *fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (value == QLatin1String(ReleaseSource::off))
        return QString();
    QString chosen = value.isEmpty() ? QLatin1String(fallback) : value;
    while (chosen.endsWith(QLatin1Char('/')))
        chosen.chop(1);
    return chosen;
}

QUrl releaseUrl(const QString &base, const QString &file)
{
    return QUrl(base + QLatin1Char('/') + file);
}

// The first SHA-256 on the line that names the file, or in a file that names none.
QByteArray findSha256(const QByteArray &sums, const QString &fileName)
{
    static const QRegularExpression hex(QStringLiteral("\\b([0-9a-fA-F]{64})\\b"));
    const QStringList lines = QString::fromUtf8(sums).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() != 2)
            continue;
        QString name = fields.at(1);
        if (name.startsWith(QLatin1Char('*'))) // binary mode marker
            name.remove(0, 1);
        const QRegularExpressionMatch match = hex.match(fields.at(0));
        if (name == fileName && match.hasMatch() && match.capturedLength() == fields.at(0).size())
            return fields.at(0).toLatin1().toLower();
    }
    return QByteArray();
}

} // namespace

ReleaseSource ReleaseSource::fromEnvironment()
{
    ReleaseSource source;
    source.ytDlpBase = base("CLIPMOOR_TOOL_RELEASES", defaultYtDlpBase);
    source.denoBase =
        source.ytDlpBase.isEmpty() ? QString() : base("CLIPMOOR_DENO_RELEASES", defaultDenoBase);
    const Platform::ToolReleaseFiles files = Platform::toolReleaseFiles();
    source.ytDlpFile = files.ytDlp;
    source.denoFile = files.deno;
    return source;
}

ReleaseSource ReleaseSource::nightlyFromEnvironment()
{
    ReleaseSource source = fromEnvironment();
    if (!source.fetchingOff())
        source.ytDlpBase = base("CLIPMOOR_NIGHTLY_RELEASES", defaultNightlyBase);
    source.denoBase.clear();
    return source;
}

QString installedVersionOf(const QString &path)
{
    QFile file(path + QLatin1String(versionSuffix));
    if (QFileInfo(file).isSymLink() || !file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.read(versionOutputBytes).trimmed());
}

QString releaseVersionOf(const QList<QUrl> &asked)
{
    // Shown to the user: only a plain version is taken from the network.
    static const QRegularExpression release(
        QStringLiteral("/releases/download/(\\d{4}(?:\\.\\d{1,6}){2,3})/[^/]+$"));
    for (qsizetype i = asked.size() - 1; i >= 0; --i) {
        const QRegularExpressionMatch match = release.match(asked.at(i).path());
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

bool laterVersion(const QString &a, const QString &b)
{
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < qMax(left.size(), right.size()); ++i) {
        const qlonglong x = left.value(i).toLongLong();
        const qlonglong y = right.value(i).toLongLong();
        if (x != y)
            return x > y;
    }
    return false;
}

QByteArray fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
}

ToolUpdate::ToolUpdate(const ManagedFolder &folder_, const ReleaseSource &source_, Limits limits_)
    : folder(folder_)
    , source(source_)
    , limits(limits_)
    , ytDlpPath(folder_.ytDlp())
{
}

Result<> ToolUpdate::run()
{
    deadline.setRemainingTime(limits.deadlineMs);
    const Result<Staged> staged = prepareYtDlp();
    const Result<> deno = updateDeno();
    Result<> ytDlp = staged ? Result<>() : fail(staged.error());
    if (staged && !staged->path.isEmpty()) {
        ytDlp = installExecutable(staged->path, ytDlpPath);
        if (ytDlp) {
            installed = staged->version;
            (void)Platform::replaceFile(ytDlpPath + QLatin1String(versionSuffix),
                                        installed.toLatin1() + '\n');
        }
    }
    folder.removeUnusedBuilds();
    QStringList failures;
    if (!ytDlp)
        failures.append(QStringLiteral("yt-dlp: ") + ytDlp.error());
    if (!deno)
        failures.append(QStringLiteral("Deno: ") + deno.error());
    if (!failures.isEmpty())
        return fail(failures.join(QStringLiteral("; ")));
    return {};
}

HttpGet::Limits ToolUpdate::fetchLimits(qint64 maxBytes) const
{
    HttpGet::Limits fetch;
    fetch.maxBytes = maxBytes;
    fetch.stallMs = limits.stallMs;
    fetch.deadlineMs = int(qMax<qint64>(1, deadline.remainingTime()));
    return fetch;
}

Result<QString> ToolUpdate::checkRuns(const QString &path)
{
    // Part of the update's own time.
    const int waitMs =
        int(qBound(qint64(1), deadline.remainingTime(), qint64(limits.versionCheckMs)));
    QProcess check;
    Platform::dieWithParent(check);
    check.start(path, {QStringLiteral("--version")});
    if (!check.waitForStarted(waitMs))
        return fail(QStringLiteral("the new build does not run: %1").arg(check.errorString()));
    if (!check.waitForFinished(waitMs)) {
        check.kill();
        check.waitForFinished(-1);
        return fail(QStringLiteral("the new build did not answer --version within %1 s")
                        .arg(waitMs / msPerSecond));
    }
    const QByteArray version = check.readAllStandardOutput().left(versionOutputBytes).trimmed();
    if (check.exitStatus() != QProcess::NormalExit || check.exitCode() != 0 || version.isEmpty())
        return fail(QStringLiteral("the new build does not run: --version failed (%1)")
                        .arg(QString::fromLocal8Bit(
                            check.readAllStandardError().left(versionOutputBytes).trimmed())));
    return QString::fromLatin1(version.split('\n').constFirst().trimmed());
}

// A fetch cut short by the update's deadline says so, rather than naming what was left of it.
QString ToolUpdate::fetchFailure(const QString &reason, const QUrl &url) const
{
    if (!deadline.hasExpired())
        return reason;
    return QStringLiteral("cannot fetch %1: the update did not finish within %2 s")
        .arg(url.toDisplayString())
        .arg(limits.deadlineMs / msPerSecond);
}

Result<QByteArray> ToolUpdate::expectedSha256(const QUrl &url, const QString &fileName,
                                              QByteArray *body)
{
    const Result<HttpGet::Reply> sums =
        HttpGet::fetch(manager, url, nullptr, fetchLimits(limits.sumsBytes));
    if (!sums)
        return fail(fetchFailure(sums.error(), url));
    if (body) {
        *body = sums->body;
        releaseTag = releaseVersionOf(sums->asked);
    }
    QByteArray sha256 = findSha256(sums->body, fileName);
    if (sha256.isEmpty()) {
        // Deno's checksum file may hold the hash alone, or in another layout.
        static const QRegularExpression hex(QStringLiteral("(?<![0-9a-fA-F])[0-9a-fA-F]{64}"
                                                           "(?![0-9a-fA-F])"));
        const QRegularExpressionMatch match = hex.match(QString::fromUtf8(sums->body));
        if (!url.path().endsWith(QLatin1String(ytDlpSums)) && match.hasMatch())
            sha256 = match.captured().toLatin1().toLower();
    }
    if (sha256.isEmpty())
        return fail(
            QStringLiteral("%1 names no checksum for %2").arg(url.toDisplayString(), fileName));
    return sha256;
}

Result<QString> ToolUpdate::fetchVerified(const QUrl &url, const QByteArray &sha256,
                                          const QString &finalName)
{
    auto *file = new QTemporaryFile(folder.temporaryPattern(finalName));
    std::unique_ptr<QTemporaryFile> owner(file);
    if (!file->open())
        return fail(
            QStringLiteral("cannot write in %1: %2").arg(folder.path(), file->errorString()));
    const Result<HttpGet::Reply> fetched =
        HttpGet::fetch(manager, url, file, fetchLimits(limits.releaseBytes));
    if (!fetched)
        return fail(fetchFailure(fetched.error(), url));
    if (fetched->sha256 != sha256)
        return fail(QStringLiteral("the checksum of %1 does not match").arg(url.toDisplayString()));
    file->close();
    file->setAutoRemove(false);
    return file->fileName();
}

Result<> ToolUpdate::makeExecutable(const QString &temporaryPath)
{
    if (QFile::setPermissions(temporaryPath,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return {};
    return fail(QStringLiteral("cannot make %1 executable").arg(temporaryPath));
}

// Renamed into place in one step, so that a run never sees a half-written tool.
Result<> ToolUpdate::installExecutable(const QString &temporaryPath, const QString &finalPath)
{
    Result<> renamed = Platform::renameOver(temporaryPath, finalPath);
    if (!renamed)
        QFile::remove(temporaryPath);
    return renamed;
}

Result<ToolUpdate::Staged> ToolUpdate::prepareYtDlp()
{
    if (source.ytDlpFile.isEmpty())
        return fail(QStringLiteral("no release for this machine (%1)")
                        .arg(QSysInfo::currentCpuArchitecture()));
    QByteArray sums;
    const Result<QByteArray> sha256 = expectedSha256(
        releaseUrl(source.ytDlpBase, QLatin1String(ytDlpSums)), source.ytDlpFile, &sums);
    if (!sha256)
        return fail(sha256.error());
    // The unpacked build starts faster; the one-file build is there for every release.
    const QByteArray unpackedSha256 = findSha256(sums, source.ytDlpFile + QLatin1String(zipSuffix));
    if (!unpackedSha256.isEmpty())
        return prepareUnpacked(unpackedSha256);
    if (!QFileInfo(ytDlpPath).isSymLink() && fileSha256(ytDlpPath) == *sha256)
        return Staged();

    if (fetchingNotice)
        fetchingNotice(releaseTag);
    const Result<QString> temporary = fetchVerified(releaseUrl(source.ytDlpBase, source.ytDlpFile),
                                                    *sha256, QStringLiteral("yt-dlp"));
    if (!temporary)
        return fail(temporary.error());
    Result<QString> version =
        makeExecutable(*temporary).and_then([&] { return checkRuns(*temporary); });
    if (!version) {
        QFile::remove(*temporary);
        return fail(version.error());
    }
    return Staged{*temporary, *version};
}

QString ToolUpdate::currentBuild() const
{
    const QFileInfo link(ytDlpPath);
    if (!link.isSymLink())
        return QString();
    QFile stamp(QFileInfo(link.canonicalFilePath()).path() + QLatin1Char('/') +
                QLatin1String(buildStamp));
    return stamp.open(QIODevice::ReadOnly) ? QString::fromLatin1(stamp.readAll().trimmed())
                                           : QString();
}

// Unpacked into a folder of its own beside the builds in use, checked, and then reached
// through a new link that replaces managed/yt-dlp in one step.
Result<ToolUpdate::Staged> ToolUpdate::prepareUnpacked(const QByteArray &sha256)
{
    if (currentBuild() == QLatin1String(sha256))
        return Staged();
    if (fetchingNotice)
        fetchingNotice(releaseTag);
    const Result<QString> archivePath =
        fetchVerified(releaseUrl(source.ytDlpBase, source.ytDlpFile + QLatin1String(zipSuffix)),
                      sha256, QStringLiteral("yt-dlp.zip"));
    if (!archivePath)
        return fail(archivePath.error());
    // Never made through a link someone else put at its name.
    const Result<> builds = OwnFiles::makePrivateFolder(folder.builds(), true);
    QTemporaryDir build(folder.builds() + QStringLiteral("/yt-dlp-XXXXXX"));
    if (!builds || !build.isValid()) {
        QFile::remove(*archivePath);
        return fail(
            builds
                ? QStringLiteral("cannot write in %1: %2").arg(folder.builds(), build.errorString())
                : builds.error());
    }
    const Result<> unpacked = unpackFolder(*archivePath, build.path(), limits.unpackedBytes);
    QFile::remove(*archivePath);
    if (!unpacked)
        return fail(QStringLiteral("cannot unpack %1%2: %3")
                        .arg(source.ytDlpFile, QLatin1String(zipSuffix), unpacked.error()));
    const QString program = build.filePath(source.ytDlpFile);
    const QFileInfo programInfo(program);
    if (!programInfo.isFile() || programInfo.isSymLink())
        return fail(QStringLiteral("the archive holds no %1").arg(source.ytDlpFile));
    const Result<QString> version =
        makeExecutable(program).and_then([&] { return checkRuns(program); });
    if (!version)
        return fail(version.error());

    QFile stamp(build.filePath(QLatin1String(buildStamp)));
    QFile lease(build.filePath(QLatin1String(ManagedFolder::leaseName)));
    if (!stamp.open(QIODevice::WriteOnly) || stamp.write(sha256 + '\n') < 0 || !stamp.flush() ||
        !lease.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write in %1").arg(build.path()));
    const QString link =
        folder.path() + QStringLiteral("/.partial-link-") + QFileInfo(build.path()).fileName();
    const QByteArray target = "builds/" + QFile::encodeName(QFileInfo(build.path()).fileName()) +
                              '/' + QFile::encodeName(source.ytDlpFile);
    QFile::remove(link);
    if (::symlink(target.constData(), QFile::encodeName(link).constData()) != 0)
        return fail(QStringLiteral("cannot link %1: %2")
                        .arg(link, QString::fromLocal8Bit(std::strerror(errno))));
    build.setAutoRemove(false);
    return Staged{link, *version};
}

Result<> ToolUpdate::updateDeno()
{
    if (source.denoBase.isEmpty())
        return {};
    if (source.denoFile.isEmpty())
        return fail(QStringLiteral("no release for this machine (%1)")
                        .arg(QSysInfo::currentCpuArchitecture()));
    const Result<QByteArray> sha256 =
        expectedSha256(releaseUrl(source.denoBase, source.denoFile + QLatin1String(denoSumsSuffix)),
                       source.denoFile);
    if (!sha256)
        return fail(sha256.error());
    QFile stamp(folder.denoStamp());
    if (QFile::exists(folder.deno()) && stamp.open(QIODevice::ReadOnly) &&
        stamp.readAll().trimmed() == *sha256)
        return {};
    stamp.close();

    const Result<QString> archivePath = fetchVerified(releaseUrl(source.denoBase, source.denoFile),
                                                      *sha256, QStringLiteral("deno.zip"));
    if (!archivePath)
        return fail(archivePath.error());
    QString unpacked;
    {
        QTemporaryFile binary(folder.temporaryPattern(QLatin1String(denoEntry)));
        if (!binary.open()) {
            QFile::remove(*archivePath);
            return fail(
                QStringLiteral("cannot write in %1: %2").arg(folder.path(), binary.errorString()));
        }
        Result<> entry =
            unpackEntry(*archivePath, QLatin1String(denoEntry), binary, limits.unpackedBytes);
        QFile::remove(*archivePath);
        if (entry && !binary.flush())
            entry = fail(binary.errorString());
        if (!entry)
            return fail(QStringLiteral("cannot unpack %1: %2").arg(source.denoFile, entry.error()));
        // Kept, and closed for good: a file still open for writing cannot be run.
        binary.setAutoRemove(false);
        unpacked = binary.fileName();
    }
    const Result<> placed =
        makeExecutable(unpacked)
            .and_then([&] { return checkRuns(unpacked); })
            .and_then([&](const QString &) { return installExecutable(unpacked, folder.deno()); });
    if (!placed) {
        QFile::remove(unpacked);
        return placed;
    }

    return Platform::replaceFile(folder.denoStamp(), *sha256 + '\n');
}
