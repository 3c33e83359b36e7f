#pragma once

#include <QObject>
#include <QProcess>

class Clipmoor;
class QLabel;
class QPushButton;
class QWidget;

// The busy page's part in a tool update the user asked for: a note on the wait and a
// Cancel button, shown until the engine's update ends or the user gives it up.
class ToolUpdatePage : public QObject {
    Q_OBJECT

public:
    // note and cancel sit on the busy page of window, which the boxes open over.
    ToolUpdatePage(Clipmoor *engine, QLabel *note, QPushButton *cancel, QWidget *window);

    // Shows the wait (the busy page must be current) and asks for the update a moment later.
    void begin();

signals:
    void cancelled(); // the update is stopped and the wait hidden
    void ended();     // the update has ended and the wait is hidden; its box follows

private:
    // Tells how the update ended, when one was waited on.
    void finish(QProcess::ExitStatus status);
    void show(bool shown);

    Clipmoor *engine;
    QLabel *note;
    QPushButton *cancel;
    QWidget *window;
    bool shown = false;
};
