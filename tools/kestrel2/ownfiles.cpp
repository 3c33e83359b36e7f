#include "tools/kestrel2/ownfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The prefix the update and the cache sweep clear away when a killed run left one behind.
constexpr char temporaryPrefix[] = "/.partial-";
constexpr mode_t privateMode = 0700;

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

namespace OwnFiles {

// Not synced to disk: every file written so is derived and written again when lost.
QString replace(const QString &path, const QByteArray &data)
{
    const QFileInfo target(path);
    QTemporaryFile file(target.path() + QLatin1String(temporaryPrefix) + target.fileName() +
                        QStringLiteral("-XXXXXX"));
    if (!file.open())
        return QStringLiteral("cannot write in %1: %2").arg(target.path(), file.errorString());
    if (file.write(data) != data.size() || !file.flush())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return QStringLiteral("cannot replace %1: %2").arg(path, lastError());
    file.setAutoRemove(false);
    return QString();
}

QString makePrivateFolder(const QString &path, bool replaceLink)
{
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent))
        return QStringLiteral("cannot create %1").arg(parent);
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (!replaceLink)
            return QStringLiteral("%1 is a symbolic link, not written through").arg(path);
        if (::unlink(name.constData()) != 0)
            return QStringLiteral("cannot remove the link %1: %2").arg(path, lastError());
    }
    if (::mkdir(name.constData(), privateMode) != 0 && errno != EEXIST)
        return QStringLiteral("cannot create %1: %2").arg(path, lastError());
    // Opened without following a link that may have appeared meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("cannot open %1: %2").arg(path, lastError());
    const bool isPrivate = ::fstat(fd, &status) == 0 && ((status.st_mode & 07777) == privateMode ||
                                                         ::fchmod(fd, privateMode) == 0);
    const QString reason = isPrivate ? QString() : lastError();
    ::close(fd);
    if (!isPrivate)
        return QStringLiteral("cannot make %1 private: %2").arg(path, reason);
    return QString();
}

} // namespace OwnFiles
