#pragma once

#include <QString>

#include <optional>

// The download percentage of the first "[download]" progress line in a chunk of the
// tool's output, 0 to 100; nothing when the chunk has no such line.
std::optional<int> parseProgress(const QString &chunk);
