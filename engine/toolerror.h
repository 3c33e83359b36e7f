#pragma once

#include <QString>

// What the user can do about the failure named by the tool's "ERROR:" line, in plain
// words and in the user's language; empty when the line names no failure known here.
QString toolErrorAdvice(const QString &errorLine);

// What the box for a failure the engine reports (a Clipmoor::errorType) says first: a
// headline naming what failed and the next step, both in the user's language; the tool's
// own line, where it names a common failure, gives the step (and at times the headline).
struct FailureText {
    QString headline;
    QString advice;
};
FailureText failureText(int code, const QString &errorLine);
