#pragma once

#include <QString>
#include <QtPlugin>

// Knows the machine: its identifier, and which program version runs on it.
class SysInfoInterface {
public:
    virtual ~SysInfoInterface() = default;

    virtual void setAppInfo(const QString &version, const QString &buildDate, int first,
                            int second) = 0;
    // Shows the machine identifier to the user.
    virtual void showUid() = 0;
    virtual QString uid() const = 0;
};

#define SysInfoInterface_iid "corvane.SysInfoInterface"
Q_DECLARE_INTERFACE(SysInfoInterface, SysInfoInterface_iid)
