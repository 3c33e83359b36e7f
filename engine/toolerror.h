#pragma once

#include "toolruns/toolfailure.h"

#include <QList>
#include <QString>

// What the user can do about the failure named by the tool's "ERROR:" line, in plain
// words and in the user's language; empty when the line names no failure known here.
QString toolErrorAdvice(const QString &errorLine);

// The same, told after what the launcher already tried (its notes, in order) and, for a
// site that wants a sign-in, with the browser whose cookies were used (empty: none).
QString toolErrorAdvice(const QString &errorLine, const QList<ToolFailure::Note> &tried,
                        const QString &cookiesBrowser);

// What the window says while the launcher takes a step; empty for a step it does not show.
QString toolStepText(const ToolFailure::Note &note);

// What the box for a failure the engine reports (a Clipmoor::errorType) says first: a
// headline naming what failed and the next step, both in the user's language; the tool's
// own line, where it names a common failure, gives the step (told after what the launcher
// tried, as above) and at times the headline.
struct FailureText {
    QString headline;
    QString advice;
};
FailureText failureText(int code, const QString &errorLine,
                        const QList<ToolFailure::Note> &tried = {},
                        const QString &cookiesBrowser = QString());
