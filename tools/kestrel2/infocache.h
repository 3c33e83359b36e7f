#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <memory>

class QLockFile;

// The info of a video as one extraction found it, kept for a while per target and per
// yt-dlp build, so that listing the formats and downloading need no second extraction.
// The cache never makes a run fail: an entry it cannot use is dropped, and one it
// cannot write is not kept. Entries made with a browser's cookies are kept apart from the
// others and keep nothing of those cookies.
class InfoCache {
public:
    static constexpr int listingMaxAgeS = 10 * 60;
    static constexpr int downloadMaxAgeS = 30 * 60;
    static constexpr int keptS = 24 * 60 * 60;
    static constexpr qint64 maxEntryBytes = 64 * 1024 * 1024;
    static constexpr qint64 maxListingBytes = 1024 * 1024;
    // Media addresses that expire sooner than this are no use for a download.
    static constexpr int expiryMarginS = 10 * 60;
    enum class Use { Listing, Download };

    // cookiesBrowser: the browser the tool read cookies from; empty for none.
    InfoCache(const QByteArray &buildKey, const QString &cookiesBrowser);

    // Creates the folder, readable only by the user, in place of a link at its name;
    // false when it cannot be used.
    bool prepare() const;
    // The entry for the target when it is at most maxAgeS old, holds what a listing and a
    // download need, and is still the video's own as its extraction found it (the same id,
    // page, extractor and media hosts); for a download, its media addresses must not
    // expire within the margin. An entry that fails is removed. Else empty.
    QString fresh(const QByteArray &target, int maxAgeS, Use use = Use::Listing) const;
    // What the listing run prints for the target, when its entry is fresh and the
    // extraction that made it also wrote the format table; else empty.
    QByteArray freshListing(const QByteArray &target, int maxAgeS) const;
    // Keeps what the metadata run printed (the info as one line of JSON, then the format
    // table) as the target's entry when the info holds what a listing and a download
    // need, and removes entries older than a day. False when nothing was kept.
    bool store(const QByteArray &target, const QByteArray &printed) const;
    // The address of the thumbnail in a fresh entry's info; empty when it names none.
    static QByteArray thumbnailOf(const QString &entry);
    // A fresh entry's info.
    static QJsonObject infoOf(const QString &entry);
    // What the metadata run prints (title, then duration), from a fresh entry's info; empty
    // when the info lacks either, for then only the tool knows what it would print.
    static QByteArray metadataOf(const QString &entry);
    // The lock held while the target is extracted, so that a second run waits for that
    // extraction instead of making its own. Only a dead holder makes it stale.
    std::unique_ptr<QLockFile> extractionLock(const QByteArray &target) const;

private:
    QString entry(const QByteArray &target) const;
    QString listingOf(const QString &entry) const;

    QString folder;
    QByteArray buildKey;
    bool withCookies;
};
