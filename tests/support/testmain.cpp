#include "tests/support/testmain.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QTimer>

TestHome::TestHome()
{
    qputenv("HOME", dir.path().toLocal8Bit());
    for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                             "XDG_DOWNLOAD_DIR", "XDG_CONFIG_DIRS"})
        qunsetenv(name);
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit() + "/runtime");
    QDir(dir.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(dir.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The launcher never fetches a release unless a test points it at its own server.
    qputenv("CLIPMOOR_TOOL_RELEASES", "none");
    qputenv("CLIPMOOR_DENO_RELEASES", "none");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString TestHome::dataDir() const
{
    return dir.path() + QStringLiteral("/.local/share/Quorvel/Clipmoor");
}

QString TestHome::downloadsDir() const
{
    return dir.path() + QStringLiteral("/Downloads");
}

bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout)
{
    // Wakes the wait for conditions that no event announces, such as a file appearing.
    constexpr int lookAgainMs = 5;
    QTimer tick;
    tick.start(lookAgainMs);
    const QDeadlineTimer deadline(qint64(timeout.count()), Qt::PreciseTimer);
    while (!condition()) {
        if (deadline.hasExpired() || (QTest::runningTest() && QTest::currentTestFailed()))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        // As QTest::qWait does: objects left for deletion outside any event loop go now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

qint64 residentKiB(bool peak)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression field(peak ? QStringLiteral("VmHWM:\\s+(\\d+)")
                                        : QStringLiteral("VmRSS:\\s+(\\d+)"));
    return field.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

void resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}
