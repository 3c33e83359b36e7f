#pragma once

#include <QString>

// What the user can do about the failure named by the tool's "ERROR:" line, in plain
// words and in the user's language; empty when the line names no failure known here.
QString toolErrorAdvice(const QString &errorLine);
