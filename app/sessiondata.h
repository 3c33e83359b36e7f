#pragma once

#include "app/videoinfo.h"

#include <QString>

class QSettings;

// The process-wide session record: the current video, the last tool output, and the
// settings object on "settings.ini", which it owns.
struct SessionData {
    SessionData();
    ~SessionData();
    SessionData(const SessionData &) = delete;
    SessionData &operator=(const SessionData &) = delete;

    QString toolOutput;
    // The last "ERROR:" line the tool wrote to standard error during a download.
    QString toolError;
    VideoInfo video;
    QSettings *settings = nullptr;
};

SessionData *sessionData();
