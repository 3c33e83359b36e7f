#include "tests/plugins/testupdater.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

void TestUpdater::startupCheck(uint installedVersion, const QString &note)
{
    recorded.append(QStringLiteral("startupCheck %1 %2").arg(installedVersion).arg(note));
    if (qEnvironmentVariableIsEmpty("CLIPMOOR_TEST_UPDATER_WAIT"))
        return;
    QEventLoop wait;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &wait, [this, &wait] {
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        if (std::none_of(windows.begin(), windows.end(),
                         [](QWidget *w) { return w->isVisible(); })) {
            recorded.append(QStringLiteral("closed while checking"));
            wait.quit();
        }
    });
    poll.start(20);
    QTimer::singleShot(20000, &wait, &QEventLoop::quit);
    wait.exec();
}

void TestUpdater::silentCheck(uint installedVersion, const QString &note)
{
    recorded.append(QStringLiteral("silentCheck %1 %2").arg(installedVersion).arg(note));
}

void TestUpdater::manualCheck(uint installedVersion, const QString &note)
{
    recorded.append(QStringLiteral("manualCheck %1 %2").arg(installedVersion).arg(note));
}

void TestUpdater::releaseGui()
{
    recorded.append(QStringLiteral("releaseGui"));
}
