#pragma once

#include <QByteArray>
#include <QString>

// The updates the recovery already tried for a video, kept for a while across runs, so
// that trying the same video again does not look for the same releases again. A memory that cannot
// be read or written is an empty one: it never makes a run fail.
class RecoveryMemory {
public:
    static constexpr int rememberedS = 30 * 60;
    // Memories of other videos are removed once they are this old.
    static constexpr int keptS = 24 * 60 * 60;

    enum Step : unsigned {
        Update = 1U << 0,
        NoNewerStable = 1U << 1, // what the update found
        Nightly = 1U << 2,
    };

    explicit RecoveryMemory(const QByteArray &target);

    bool has(Step step) const { return (steps & step) != 0; }
    // Remembers the step at once.
    void add(Step step);

private:
    void prune() const;

    QString folder;
    QString path;
    unsigned steps = 0;
};
