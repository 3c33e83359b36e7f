#include "tools/kestrel2/ownfiles.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t privateMode = 0700;

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

namespace OwnFiles {

Result<> makePrivateFolder(const QString &path, bool replaceLink)
{
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent))
        return fail(QStringLiteral("cannot create %1").arg(parent));
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (!replaceLink)
            return fail(QStringLiteral("%1 is a symbolic link, not written through").arg(path));
        if (::unlink(name.constData()) != 0)
            return fail(QStringLiteral("cannot remove the link %1: %2").arg(path, lastError()));
    }
    if (::mkdir(name.constData(), privateMode) != 0 && errno != EEXIST)
        return fail(QStringLiteral("cannot create %1: %2").arg(path, lastError()));
    // Opened without following a link that may have appeared meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail(QStringLiteral("cannot open %1: %2").arg(path, lastError()));
    const bool isPrivate = ::fstat(fd, &status) == 0 && ((status.st_mode & 07777) == privateMode ||
                                                         ::fchmod(fd, privateMode) == 0);
    const QString reason = isPrivate ? QString() : lastError();
    ::close(fd);
    if (!isPrivate)
        return fail(QStringLiteral("cannot make %1 private: %2").arg(path, reason));
    return {};
}

} // namespace OwnFiles
