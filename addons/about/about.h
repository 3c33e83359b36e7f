#pragma once

#include "plugins/interfaces/aboutappinterface.h"

#include <QObject>

// The about box: the program's name, version, build date, description and the machine
// identifier.
class About : public QObject, public AboutAppInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AboutAppInterface_iid)
    Q_INTERFACES(AboutAppInterface)

public:
    void showAbout(const QString &identifier, const QString &description) override;
};

// The text of the about box, as rich text.
QString aboutText(const QString &identifier, const QString &description);
