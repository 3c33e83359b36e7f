#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The view the updater window shows. QML names the values Lib.Progress and so on.
namespace UpdaterState {
Q_NAMESPACE
QML_NAMED_ELEMENT(Lib)

enum State {
    Indefinite = 0, // no view
    UpdateYes = 1,  // an update is offered
    UpdateNot = 2,  // the installed version is current
    Progress = 3,   // a check or download runs; also a check that produced no offer
};
Q_ENUM_NS(State)

} // namespace UpdaterState
