#pragma once

#include "app/videoinfo.h"

class QSettings;

// What one run of the program works on: the current video and the settings object on
// "settings.ini", which it owns. The main function makes it and lends it to the engine and
// the window.
struct SessionData {
    SessionData();
    ~SessionData();
    SessionData(const SessionData &) = delete;
    SessionData &operator=(const SessionData &) = delete;

    VideoInfo video;
    QSettings *settings = nullptr;
};
