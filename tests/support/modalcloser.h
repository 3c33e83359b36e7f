#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

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
        QObject *object = nullptr;
    };

    ModalCloser();
    QList<Seen> seen;

private:
    void look();
    QTimer timer;
};
