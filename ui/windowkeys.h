#pragma once

#include <QObject>

class FormatPage;
class QDialog;
class QModelIndex;
class QStackedWidget;

// The window's own answers to Enter and Escape, for key presses its children leave to it.
class WindowKeys : public QObject {
    Q_OBJECT

public:
    // formats is one of pages, which sit in window.
    WindowKeys(QDialog *window, QStackedWidget *pages, FormatPage *formats);

signals:
    void formatEntered(const QModelIndex &choice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QDialog *window;
    QStackedWidget *pages;
    FormatPage *formats;
};
