#pragma once

#include <QString>

#include <optional>

// What a download's progress lines say beyond the percentage: the amounts, the speed, the
// time left, and whether the tool has moved on to merging.
struct ProgressDetails {
    std::optional<double> downloaded; // bytes
    std::optional<double> total;      // bytes
    std::optional<double> speed;      // bytes per second
    std::optional<int> secondsLeft;
    bool merging = false;
    std::optional<int> percent; // of the whole download, when known
};

// One line of the download run's output, read once for all it tells.
struct ProgressLine {
    // A "[download]" line's percentage of the part being downloaded, 0 to 100; a number
    // that cannot be read counts as 0, and 99 or more as 100.
    std::optional<int> percent;
    // The amounts, speed and time left of a complete progress line, or the merge.
    std::optional<ProgressDetails> details;
};

ProgressLine readProgressLine(const QString &line);

// The reading as one line for the user, such as "12.4 MiB of 86.0 MiB · 3.1 MiB/s ·
// 0:24 left"; values the tool did not know are left out.
QString describeProgress(const ProgressDetails &details);

// A size in bytes as the download's reading shows it, such as "39.4 KiB".
QString describeSize(double bytes);
