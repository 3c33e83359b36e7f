#include "tools/kestrel2/managedfolder.h"

#include "app/identity.h"
#include "tools/kestrel2/ownfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr char leftoverPrefix[] = ".partial-";
constexpr int lockPollMs = 100;
} // namespace

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

QString ManagedFolder::deno() const
{
    return folder + QStringLiteral("/deno");
}

QString ManagedFolder::denoStamp() const
{
    return folder + QStringLiteral("/deno.sha256");
}

QString ManagedFolder::lockFile() const
{
    return folder + QStringLiteral("/.update.lock");
}

QString ManagedFolder::create() const
{
    const QString failure = OwnFiles::makePrivateFolder(folder, false);
    // Removing a link removes the link alone.
    if (failure.isEmpty() && QFileInfo(lockFile()).isSymLink())
        QFile::remove(lockFile());
    return failure;
}

void ManagedFolder::removeLeftovers() const
{
    QDir dir(folder);
    const QStringList names = dir.entryList({QLatin1String(leftoverPrefix) + QLatin1Char('*')},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        dir.remove(name);
}

QString ManagedFolder::temporaryPattern(const QString &finalName) const
{
    return folder + QLatin1Char('/') + QLatin1String(leftoverPrefix) + finalName +
           QStringLiteral("-XXXXXX");
}

FolderLock::FolderLock(const QString &file)
    : fd(::open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                0600))
{
}

FolderLock::~FolderLock()
{
    if (fd >= 0)
        ::close(fd);
}

bool FolderLock::acquire(int timeoutMs)
{
    if (fd < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(lockPollMs);
    }
    return true;
}
