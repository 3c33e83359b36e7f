#pragma once

#include <QByteArray>
#include <QString>

// The info of a video as one extraction found it, kept for a while per target and per
// yt-dlp build, so that listing the formats and downloading need no second extraction.
class InfoCache {
public:
    static constexpr int listingMaxAgeS = 10 * 60;
    static constexpr int downloadMaxAgeS = 30 * 60;
    static constexpr int keptS = 24 * 60 * 60;

    explicit InfoCache(const QByteArray &buildKey);

    // Creates the folder, readable only by the user, in place of a link at its name;
    // false when it cannot be used.
    bool prepare() const;
    // The entry for the target when it is at most maxAgeS old and holds an info; else empty.
    QString fresh(const QByteArray &target, int maxAgeS) const;
    // An empty private file for the tool to write the info into; empty on failure.
    QString newPartial() const;
    // Makes the written partial the target's entry when it holds an info, and removes
    // entries older than a day; the partial is gone either way.
    bool commit(const QString &partial, const QByteArray &target) const;

private:
    QString entry(const QByteArray &target) const;

    QString folder;
    QByteArray buildKey;
};
