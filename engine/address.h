#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The rules for video addresses: which pasted texts are accepted, and what the tool is
// asked about.
namespace Address {

inline constexpr char mainHost[] = "youtube.com";
inline constexpr char shortHost[] = "youtu.be";

// True for a well-formed video ID: ASCII letters, digits, "-" and "_".
bool isVideoId(const QString &id);

// The pasted text as an address without its "ab_channel" item, or nothing when the text
// is not a video address.
std::optional<QUrl> accept(const QString &text);

struct Target {
    enum Problem { None, ForeignHost, NoId, BadId };
    QString target; // the tool's last argument; empty when the tool must not run
    QUrl canonical; // the watch address, empty when no ID was found
    Problem problem = None;
};

// Derives the tool's target from an accepted address.
Target targetFor(const QUrl &url);

} // namespace Address
