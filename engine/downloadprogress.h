#pragma once

#include "engine/progressdetails.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The progress of one download run over all its parts, as the tool downloads the video
// and then the audio of a format: one percentage from 0 to 100 that never falls, and
// the amounts of all parts together. Progress lines are read here and nowhere else.
class DownloadProgress {
public:
    // The longest unfinished line kept; a tool that prints without a line break must not
    // fill the memory, nor be read again in whole with each chunk.
    static constexpr qsizetype maxLineLength = 64 * 1024;

    // Sizes in bytes the format listing gave, by format code; they stand in for the size
    // of a part until the tool reports it while downloading that part.
    explicit DownloadProgress(const QHash<uint, qint64> &listedSizes = {});

    // Takes the run's standard output as it arrives; true when the reading changed.
    bool take(const QString &chunk);
    // The overall reading; its percent is set once the tool has reported progress.
    ProgressDetails reading() const { return overall; }
    // The percentage of the first progress line the latest chunk brought, as the tool
    // printed it for the part it was downloading.
    std::optional<int> chunkPercent() const { return firstPercent; }

private:
    void takeLine(const QString &text, const ProgressLine &read, bool complete);
    void update();

    QHash<uint, qint64> listed;
    QString tail;             // the last, incomplete line
    bool tailCounted = false; // its percentage went into a chunk's already
    std::optional<int> firstPercent;
    QList<std::optional<double>> sizes; // per part, in download order
    int part = -1;                      // the part being downloaded
    double partDone = 0;                // bytes of that part
    ProgressDetails latest;             // that part's latest reading
    bool reported = false;              // a progress line has been read
    bool merging = false;
    bool finished = false; // nothing left to download
    ProgressDetails overall;
};
