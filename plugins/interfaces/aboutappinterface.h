#pragma once

#include <QString>
#include <QtPlugin>

// Shows the program's about box.
class AboutAppInterface {
public:
    virtual ~AboutAppInterface() = default;

    virtual void showAbout(const QString &identifier, const QString &description) = 0;
};

#define AboutAppInterface_iid "corvane.AboutAppInterface"
Q_DECLARE_INTERFACE(AboutAppInterface, AboutAppInterface_iid)
