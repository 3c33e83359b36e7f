#pragma once

#include <QObject>
#include <QString>

// What the program asks of the update plug-in. The plug-in answers only through the
// two signals.
class UpdateInterface : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~UpdateInterface() override = default;

    // At start-up; the plug-in decides whether and how often to check.
    virtual void startupCheck(uint installedVersion, const QString &note) = 0;
    // Unattended check.
    virtual void silentCheck(uint installedVersion, const QString &note) = 0;
    // The check the user asked for.
    virtual void manualCheck(uint installedVersion, const QString &note) = 0;
    // Releases the plug-in's window before the program's window goes away.
    virtual void releaseGui() = 0;

signals:
    void updateDone();
    void updateError();
};

#define UpdateInterface_iid "corvane.AppUpdaterInterface"
Q_DECLARE_INTERFACE(UpdateInterface, UpdateInterface_iid)
