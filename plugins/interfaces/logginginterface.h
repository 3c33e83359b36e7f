#pragma once

#include <QString>
#include <QtPlugin>

// Captures the program's trace while the user has switched logging on.
class LoggingInterface {
public:
    virtual ~LoggingInterface() = default;

    // Completes and closes whatever was captured; called once at exit.
    virtual void finish() = 0;
    // The folder for the plug-in's files and the settings file it may keep its state in.
    virtual void configure(const QString &folder, const QString &settingsFileName) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

#define LoggingInterface_iid "corvane.LoggingInterface"
Q_DECLARE_INTERFACE(LoggingInterface, LoggingInterface_iid)
