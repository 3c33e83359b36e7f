#pragma once

#include <QObject>
#include <QPointer>

class Clipmoor;
class QMessageBox;
class QWidget;

// Keeps the window from closing on a running download without asking first; the question
// goes by itself once the download has ended.
class QuitGuard : public QObject {
    Q_OBJECT

public:
    QuitGuard(Clipmoor *engine, QWidget *window);

    // True when nothing runs. Otherwise asks, once, and closes the window on "Yes".
    bool mayClose();

private:
    void dropQuestion();

    Clipmoor *engine;
    QWidget *window;
    QPointer<QMessageBox> question;
};
