#pragma once

#include "plugins/interfaces/sysinfointerface.h"

#include <QObject>
#include <QString>

// The machine identifier (a UUID derived from the system's machine ID, stable across
// starts) and a dialog that shows it for copying.
class SysInfo : public QObject, public SysInfoInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SysInfoInterface_iid)
    Q_INTERFACES(SysInfoInterface)

public:
    void setAppInfo(const QString &version, const QString &buildDate, int first,
                    int second) override;
    void showUid() override;
    QString uid() const override;

private:
    QString version;
    QString buildDate;
};
