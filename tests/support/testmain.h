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
