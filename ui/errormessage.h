#pragma once

#include "engine/clipmoor.h"
#include "toolruns/toolfailure.h"

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

// The box for a failure the engine reports (a Clipmoor::errorType): the plain line and its
// next step first and the code after them, as rich text; the tool's own words, in English,
// as the details.
struct ErrorMessage {
    QString text;
    QString details;
    bool cookiesMayHelp = false; // a failure a signed-in browser's cookies can get past
};
ErrorMessage errorMessage(int code, const QString &toolLine,
                          const QList<ToolFailure::Note> &tried = {},
                          const QString &cookiesBrowser = QString());

// For a site that wants a signed-in browser, when no browser's cookies are chosen: one
// button per browser with a profile here, to try again with its cookies.
void addCookieButtons(QMessageBox *box, const QString &toolLine, const QString &cookiesBrowser);
// The browser whose button closed the box; empty for any other button.
QString cookiesChosen(const QMessageBox *box);

// Over window and modal to it, answered without an event loop of its own; the box goes
// when closed.
QMessageBox *openMessage(QWidget *window, QMessageBox::Icon icon, const QString &title,
                         const QString &text);
// The box for failure over window, as errorMessage words it; where cookies may help, the
// button of the browser the user picks calls retry with its name.
QMessageBox *openErrorBox(QWidget *window, const Clipmoor::Failure &failure,
                          const QString &cookiesBrowser,
                          const std::function<void(const QString &browser)> &retry);
