#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QDialog;

// Closes every dialog and popup menu the code under test opens, and records what it saw,
// so that no test ever waits on a person.
class ModalCloser : public QObject {
    Q_OBJECT

public:
    struct Seen {
        QString kind; // "QMessageBox", "QMenu", or the class name of another dialog
        QString title;
        QString text;
        QStringList entries; // a menu's entries
        QString details;     // a message box's detailed text
        QObject *object = nullptr;
    };

    ModalCloser();
    QList<Seen> seen;
    // Called with each dialog before it is closed; may click one of its buttons instead.
    std::function<void(QDialog *)> onDialog;

private:
    void look();
    QTimer timer;
    QList<QObject *> busy; // dialogs whose hook still runs
};
