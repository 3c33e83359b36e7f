#include "tools/kestrel2/toolupdate.h"

#include "tools/kestrel2/ownfiles.h"
#include "tools/kestrel2/unpack.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
constexpr char defaultYtDlpBase[] = "https://github.com/yt-dlp/yt-dlp/releases/latest/download";
constexpr char defaultDenoBase[] = "https://github.com/denoland/deno/releases/latest/download";
constexpr char ytDlpSums[] = "SHA2-256SUMS";
constexpr char denoSumsSuffix[] = ".sha256sum";
constexpr char denoEntry[] = "deno";

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
    const QString arch = QSysInfo::currentCpuArchitecture();
    if (arch == QLatin1String("x86_64")) {
        source.ytDlpFile = QStringLiteral("yt-dlp_linux");
        source.denoFile = QStringLiteral("deno-x86_64-unknown-linux-gnu.zip");
    } else if (arch == QLatin1String("arm64")) {
        source.ytDlpFile = QStringLiteral("yt-dlp_linux_aarch64");
        source.denoFile = QStringLiteral("deno-aarch64-unknown-linux-gnu.zip");
    }
    return source;
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
{
}

QStringList ToolUpdate::run()
{
    QStringList failures;
    if (const QString failure = updateYtDlp(); !failure.isEmpty())
        failures.append(QStringLiteral("yt-dlp: ") + failure);
    if (const QString failure = updateDeno(); !failure.isEmpty())
        failures.append(QStringLiteral("Deno: ") + failure);
    return failures;
}

QString ToolUpdate::expectedSha256(const QUrl &url, const QString &fileName, QByteArray &sha256)
{
    QBuffer sums;
    sums.open(QIODevice::WriteOnly);
    Fetch fetch(manager, {limits.sumsBytes, limits.stallMs});
    if (const QString failure = fetch.get(url, sums); !failure.isEmpty())
        return failure;
    sha256 = findSha256(sums.data(), fileName);
    if (sha256.isEmpty()) {
        // Deno's checksum file may hold the hash alone, or in another layout.
        static const QRegularExpression hex(QStringLiteral("(?<![0-9a-fA-F])[0-9a-fA-F]{64}"
                                                           "(?![0-9a-fA-F])"));
        const QRegularExpressionMatch match = hex.match(QString::fromUtf8(sums.data()));
        if (!url.path().endsWith(QLatin1String(ytDlpSums)) && match.hasMatch())
            sha256 = match.captured().toLatin1().toLower();
    }
    if (sha256.isEmpty())
        return QStringLiteral("%1 names no checksum for %2").arg(url.toDisplayString(), fileName);
    return QString();
}

QString ToolUpdate::fetchVerified(const QUrl &url, const QByteArray &sha256,
                                  const QString &finalName, QString &temporaryPath)
{
    auto *file = new QTemporaryFile(folder.temporaryPattern(finalName));
    std::unique_ptr<QTemporaryFile> owner(file);
    if (!file->open())
        return QStringLiteral("cannot write in %1: %2").arg(folder.path(), file->errorString());
    Fetch fetch(manager, {limits.releaseBytes, limits.stallMs});
    if (const QString failure = fetch.get(url, *file); !failure.isEmpty())
        return failure;
    if (fetch.sha256() != sha256)
        return QStringLiteral("the checksum of %1 does not match").arg(url.toDisplayString());
    if (!file->flush())
        return QStringLiteral("cannot write: %1").arg(file->errorString());
    file->setAutoRemove(false);
    temporaryPath = file->fileName();
    return QString();
}

// Made executable first, then renamed into place in one step, so that a run never sees
// a half-written tool.
QString ToolUpdate::installExecutable(const QString &temporaryPath, const QString &finalPath)
{
    if (!QFile::setPermissions(temporaryPath,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
        std::rename(QFile::encodeName(temporaryPath).constData(),
                    QFile::encodeName(finalPath).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporaryPath);
        return QStringLiteral("cannot install %1: %2").arg(finalPath, reason);
    }
    return QString();
}

QString ToolUpdate::updateYtDlp()
{
    if (source.ytDlpFile.isEmpty())
        return QStringLiteral("no release for this machine (%1)")
            .arg(QSysInfo::currentCpuArchitecture());
    QByteArray sha256;
    const QString sumsError = expectedSha256(releaseUrl(source.ytDlpBase, QLatin1String(ytDlpSums)),
                                             source.ytDlpFile, sha256);
    if (!sumsError.isEmpty())
        return sumsError;
    if (fileSha256(folder.ytDlp()) == sha256)
        return QString();

    QString temporary;
    const QString failure = fetchVerified(releaseUrl(source.ytDlpBase, source.ytDlpFile), sha256,
                                          QStringLiteral("yt-dlp"), temporary);
    if (!failure.isEmpty())
        return failure;
    return installExecutable(temporary, folder.ytDlp());
}

QString ToolUpdate::updateDeno()
{
    if (source.denoBase.isEmpty())
        return QString();
    if (source.denoFile.isEmpty())
        return QStringLiteral("no release for this machine (%1)")
            .arg(QSysInfo::currentCpuArchitecture());
    QByteArray sha256;
    const QString sumsError =
        expectedSha256(releaseUrl(source.denoBase, source.denoFile + QLatin1String(denoSumsSuffix)),
                       source.denoFile, sha256);
    if (!sumsError.isEmpty())
        return sumsError;
    QFile stamp(folder.denoStamp());
    if (QFile::exists(folder.deno()) && stamp.open(QIODevice::ReadOnly) &&
        stamp.readAll().trimmed() == sha256)
        return QString();
    stamp.close();

    QString archivePath;
    QString failure = fetchVerified(releaseUrl(source.denoBase, source.denoFile), sha256,
                                    QStringLiteral("deno.zip"), archivePath);
    if (!failure.isEmpty())
        return failure;
    QTemporaryFile binary(folder.temporaryPattern(QLatin1String(denoEntry)));
    if (!binary.open()) {
        QFile::remove(archivePath);
        return QStringLiteral("cannot write in %1: %2").arg(folder.path(), binary.errorString());
    }
    failure = unpackEntry(archivePath, QLatin1String(denoEntry), binary, limits.unpackedBytes);
    QFile::remove(archivePath);
    if (failure.isEmpty() && !binary.flush())
        failure = binary.errorString();
    if (!failure.isEmpty())
        return QStringLiteral("cannot unpack %1: %2").arg(source.denoFile, failure);
    binary.setAutoRemove(false);
    failure = installExecutable(binary.fileName(), folder.deno());
    if (!failure.isEmpty())
        return failure;

    return OwnFiles::replace(folder.denoStamp(), sha256 + '\n');
}
