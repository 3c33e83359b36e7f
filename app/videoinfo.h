#pragma once

#include "app/formatrecord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTime>
#include <QUrl>

#include <optional>
#include <utility>

// A language the video's subtitles or automatic captions come in.
struct SubtitleLanguage {
    QString code; // as the site names it
    bool automatic = false;
    bool operator==(const SubtitleLanguage &other) const
    {
        return code == other.code && automatic == other.automatic;
    }
};

// The video the user is working on.
struct VideoInfo {
    uint formatCode = 0;
    QUrl url;
    QString toolTarget; // the video ID or address handed to the tool
    QTime duration;
    QString title;
    QHash<uint, FormatRecord> formats;
    QList<uint> viewOrder;           // codes of formats in display order
    QHash<uint, qint64> listedSizes; // bytes of every listed format with a size, audio too
    bool audioOnly = false;          // the site offers the sound alone
    QUrl thumbnail;                  // as the tool's extraction named it; empty when unknown
    QString folder;                  // where the last download went
    QString savedFile; // the file the last finished download wrote; empty when unknown
    QList<SubtitleLanguage> subtitles;       // offered, as the extraction found them
    std::optional<std::pair<int, int>> part; // start and end seconds of the part to download
};
