#include "tools/kestrel2/managedfolder.h"

#include "app/identity.h"
#include "platform/platform.h"
#include "tools/kestrel2/ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The program's own data folder, whatever name this process goes by.
ManagedFolder::ManagedFolder()
    : folder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/%1/%2/managed")
                 .arg(QLatin1String(Identity::organization), QLatin1String(Identity::name)))
{
}

QString ManagedFolder::ytDlp() const
{
    return folder + QStringLiteral("/yt-dlp");
}

QString ManagedFolder::ytDlpNightly() const
{
    return folder + QStringLiteral("/yt-dlp-nightly");
}

QString ManagedFolder::deno() const
{
    return folder + QStringLiteral("/deno");
}

QString ManagedFolder::denoStamp() const
{
    return folder + QStringLiteral("/deno.sha256");
}

QString ManagedFolder::builds() const
{
    return folder + QStringLiteral("/builds");
}

QString ManagedFolder::lockFile() const
{
    return folder + QStringLiteral("/.update.lock");
}

std::unique_ptr<QLockFile> ManagedFolder::updateLock() const
{
    auto lock = std::make_unique<QLockFile>(lockFile());
    lock->setStaleLockTime(0);
    return lock;
}

Result<> ManagedFolder::create() const
{
    Result<> made = OwnFiles::makePrivateFolder(folder, false);
    // Removing a link removes the link alone.
    if (made && QFileInfo(lockFile()).isSymLink())
        QFile::remove(lockFile());
    return made;
}

void ManagedFolder::removeLeftovers() const
{
    QDir dir(folder);
    const QStringList names =
        dir.entryList({QLatin1String(Platform::partialPrefix) + QLatin1Char('*')},
                      QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        dir.remove(name);
}

QString ManagedFolder::temporaryPattern(const QString &finalName) const
{
    return folder + QLatin1Char('/') + QLatin1String(Platform::partialPrefix) + finalName +
           QStringLiteral("-XXXXXX");
}

void ManagedFolder::removeUnusedBuilds() const
{
    // A link at the builds' name is removed, never followed.
    if (QFileInfo(builds()).isSymLink()) {
        QFile::remove(builds());
        return;
    }
    QStringList current;
    for (const QString &path : {ytDlp(), ytDlpNightly()}) {
        const QFileInfo link(path);
        if (link.isSymLink())
            current.append(QFileInfo(link.canonicalFilePath()).path());
    }
    const QFileInfoList entries =
        QDir(builds()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.isDir()) {
            QFile::remove(entry.filePath()); // never followed
            continue;
        }
        if (current.contains(entry.filePath()))
            continue;
        const QByteArray lease =
            QFile::encodeName(entry.filePath() + QLatin1Char('/') + QLatin1String(leaseName));
        const int fd = ::open(lease.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        // A run holds a shared lock while it uses the build.
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            continue;
        }
        QDir(entry.filePath()).removeRecursively();
        if (fd >= 0)
            ::close(fd);
    }
}

QString ManagedFolder::leaseYtDlp(const QString &path) const
{
    constexpr int attempts = 3; // each one lost only to an update switching builds meanwhile
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QFileInfo link(path);
        if (!link.isSymLink())
            return path;
        const QString program = link.canonicalFilePath();
        if (program.isEmpty())
            return path;
        const QByteArray lease = QFile::encodeName(QFileInfo(program).path() + QLatin1Char('/') +
                                                   QLatin1String(leaseName));
        // Left open on purpose, without close-on-exec: the lock lasts as long as the run.
        const int fd = ::open(lease.constData(), O_RDONLY | O_NOFOLLOW);
        if (fd >= 0 && ::flock(fd, LOCK_SH | LOCK_NB) == 0 &&
            QFileInfo(path).canonicalFilePath() == program)
            return program;
        if (fd >= 0)
            ::close(fd);
    }
    return path;
}
