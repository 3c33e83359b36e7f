#pragma once

#include "plugins/interfaces/updateinterface.h"

class UpdateFlow;

// The update plug-in's root object: hands the program's calls to the update flow and
// passes its answers back.
class Updater : public UpdateInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID UpdateInterface_iid)
    Q_INTERFACES(UpdateInterface)

public:
    explicit Updater(QObject *parent = nullptr);
    ~Updater() override;

    void startupCheck(uint localVersion, const QString &tag) override;
    void silentCheck(uint localVersion, const QString &tag) override;
    void manualCheck(uint localVersion, const QString &tag) override;
    void releaseGui() override;

private:
    UpdateFlow *flow;
};
