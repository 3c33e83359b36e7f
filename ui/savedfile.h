#pragma once

#include <QObject>
#include <QString>

class ElidedTitle;
class QBoxLayout;
class QLabel;
class QPushButton;

// The finished download's file on the download page: its size and name, and beside them
// a button that opens it with the desktop's application for its kind.
class SavedFile : public QObject {
    Q_OBJECT

public:
    // The line goes into the page's layout at index.
    SavedFile(QBoxLayout *page, int index, QObject *parent);

    // Shows the file, when it is there; else nothing.
    void show(const QString &path);
    void hide();

    QLabel *label;
    QPushButton *openButton;

private:
    ElidedTitle *name;
    QString file;
};
