#include "tools/kestrel2/takelock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

namespace {
// A live holder locks its file within microseconds of making it.
constexpr qint64 lockFileGraceMs = 2000;
constexpr int pollMs = 100;

bool leftBehind(const QLockFile &lock)
{
    const QFileInfo file(lock.fileName());
    return file.exists() &&
           file.lastModified().msecsTo(QDateTime::currentDateTime()) > lockFileGraceMs;
}
} // namespace

bool takeLock(QLockFile &lock, int timeoutMs)
{
    const QDeadlineTimer deadline(qMax(0, timeoutMs));
    for (;;) {
        if (lock.tryLock(0))
            return true;
        // A file that cannot be made (a full disk, a folder without rights) is no holder.
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        if (leftBehind(lock) && lock.removeStaleLockFile() && lock.tryLock(0))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(ulong(qMin<qint64>(pollMs, qMax<qint64>(1, deadline.remainingTime()))));
    }
}
