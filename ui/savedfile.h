#pragma once

#include <QObject>
#include <QString>

class ElidedTitle;
class QBoxLayout;
class QLabel;
class QPushButton;

// The finished download's file on the download page: its name and size, and a button
// that opens it with the desktop's application for its kind.
class SavedFile : public QObject {
    Q_OBJECT

public:
    // The line goes into page at index, the button into buttons after the widget beside.
    SavedFile(QBoxLayout *page, int index, QBoxLayout *buttons, QWidget *beside);

    // Shows the file, when it is there; else nothing.
    void show(const QString &path);
    void hide();

    QLabel *label;
    QPushButton *openButton;

private:
    ElidedTitle *name;
    QString file;
};
