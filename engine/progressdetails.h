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

// The latest complete reading in a chunk of the download run's output; nothing when the
// chunk holds none. Updates may be separated by line feeds or by carriage returns only.
std::optional<ProgressDetails> parseProgressDetails(const QString &chunk);

// The reading as one line for the user, such as "12.4 MiB of 86.0 MiB · 3.1 MiB/s ·
// 0:24 left"; values the tool did not know are left out.
QString describeProgress(const ProgressDetails &details);
