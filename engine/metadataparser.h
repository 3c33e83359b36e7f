#pragma once

#include <QString>
#include <QTime>

// Title and duration from the answer to "--get-title --get-duration".
struct Metadata {
    enum Status { Ok, TooFewLines, BadDuration };
    Status status = Ok;
    QString title;
    QTime duration; // midnight plus the length; wraps at 24 hours
};

Metadata parseMetadata(const QString &output);
