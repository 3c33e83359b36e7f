#include "tests/plugins/testupdater.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

void TestUpdater::startupCheck(uint installedVersion, const QString &note)
{
    recorded.append(QStringLiteral("startupCheck %1 %2").arg(installedVersion).arg(note));
    if (qEnvironmentVariableIsEmpty("CLIPMOOR_TEST_UPDATER_WAIT"))
        return;
    // Waits as a slow network would; only the host can end the wait early.
    QEventLoop wait;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(20000, &wait, &QEventLoop::quit);
    wait.exec();
    if (clock.elapsed() < 15000)
        recorded.append(QStringLiteral("closed while checking"));
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
