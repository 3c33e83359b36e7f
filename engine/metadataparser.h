#pragma once

#include "app/videoinfo.h"

#include <QList>
#include <QString>
#include <QTime>

#include <optional>

// Title and duration from the answer to "--get-title --get-duration".
struct Metadata {
    enum Status { Ok, TooFewLines, BadDuration };
    Status status = Ok;
    QString title;
    QTime duration; // midnight plus the length; wraps at 24 hours
};

Metadata parseMetadata(const QString &output);

// The languages of the subtitles run's answer (subtitles, then automatic captions, each a
// line of JSON): each language once, the site's own subtitles before captions of the same
// language, chat replays and names that are no language code left out.
QList<SubtitleLanguage> parseSubtitleLanguages(const QByteArray &output);

// Seconds from a time typed as "m:ss" or "h:mm:ss" (a lone number of seconds too); empty
// when it is no such time.
std::optional<int> parseClockTime(const QString &text);
// Seconds as "m:ss", or "h:mm:ss" from an hour on.
QString clockTime(int seconds);
