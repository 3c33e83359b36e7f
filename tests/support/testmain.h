#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

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
