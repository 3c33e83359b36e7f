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

    // Creates the folder, readable only by the user; false when it cannot be used.
    bool prepare() const;
    // The entry for the target when it is at most maxAgeS old and holds an info; else empty.
    QString fresh(const QByteArray &target, int maxAgeS) const;
    // What the listing run prints for the target, when its entry is fresh and the
    // extraction that made it also wrote the format table; else empty.
    QByteArray freshListing(const QByteArray &target, int maxAgeS) const;
    // An empty private file for the tool to write the info into; empty on failure.
    QString newPartial() const;
    // Makes the written partial the target's entry when it holds an info, with the listing
    // made from the table the same extraction wrote, and removes entries older than a day.
    // The partials are left to the caller.
    bool commit(const QString &partial, const QString &table, const QByteArray &target) const;

private:
    QString entry(const QByteArray &target) const;
    QString listingOf(const QString &entry) const;

    QString folder;
    QByteArray buildKey;
};
