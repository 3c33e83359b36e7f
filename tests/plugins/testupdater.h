#pragma once

#include "plugins/interfaces/updateinterface.h"

#include <QStringList>

// An update plug-in for the tests: records the calls the program makes. With
// CLIPMOOR_TEST_UPDATER_WAIT set, the start-up check waits, as a check on a slow network
// would, until every window is closed.
class TestUpdater : public UpdateInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID UpdateInterface_iid)
    Q_INTERFACES(UpdateInterface)
    Q_PROPERTY(QStringList calls READ calls)

public:
    void startupCheck(uint installedVersion, const QString &note) override;
    void silentCheck(uint installedVersion, const QString &note) override;
    void manualCheck(uint installedVersion, const QString &note) override;
    void releaseGui() override;

    QStringList calls() const { return recorded; }
    Q_INVOKABLE void clearCalls() { recorded.clear(); }

private:
    QStringList recorded;
};
