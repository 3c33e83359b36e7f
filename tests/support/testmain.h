#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>

// Every test runs in a home of its own, so that the per-user folders it touches are
// temporary and a developer's real settings are never read or written.
class TestHome {
public:
    TestHome();
    QString path() const { return dir.path(); }
    QString dataDir() const; // where the tools are staged
    QString downloadsDir() const;

private:
    QTemporaryDir dir;
};

// This process's resident memory in KiB: now, or (peak) its highest since the last
// resetPeakMemory(). Read from /proc; 0 where there is none.
qint64 residentKiB(bool peak = false);
void resetPeakMemory();

// Runs the event loop until condition holds, the running test has failed, or the time-out
// passes; true when the condition holds.
bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout);
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    return waitUntil(condition, std::chrono::milliseconds(timeoutMs));
}

// Qt's QTRY_ macros look every 50 ms and sleep 10 ms between passes of the event loop,
// which slows every server and child process the test talks to; these wait on the loop.
#undef QTRY_IMPL
// Qt 6.4 gives the time-out in milliseconds, later versions as a duration such as 5s.
#define QTRY_IMPL(expr, timeout)                                                                   \
    if (!(expr))                                                                                   \
        waitUntil([&] { return bool(expr); },                                                      \
                  [&] {                                                                            \
                      using namespace std::chrono_literals;                                        \
                      return std::chrono::milliseconds(timeout);                                   \
                  }());

#define CLIPMOOR_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestHome home;                                                                             \
        QApplication::setApplicationName(QStringLiteral("Clipmoor"));                              \
        QApplication::setOrganizationName(QStringLiteral("Quorvel"));                              \
        QApplication app(argc, argv);                                                              \
        TestClass test(home);                                                                      \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
