#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// A video address, read once where it enters the program: the text as given, the address
// it was accepted as, and what the tool is asked about.
class Address {
public:
    static constexpr char mainHost[] = "youtube.com";
    static constexpr char shortHost[] = "youtu.be";

    enum Problem { None, ForeignHost, NoId, BadId };

    // No address: nothing for the tool to be asked about.
    Address() = default;

    // True for a well-formed video ID: ASCII letters, digits, "-" and "_".
    static bool isVideoId(const QString &id);

    // The pasted text as an address without its "ab_channel" item, or nothing when the text
    // is not a video address.
    static std::optional<Address> accept(const QString &text);

    // Reads any address by the rules of accept(), keeping what is wrong with it.
    static Address read(const QUrl &url);

    const QString &text() const { return given; }
    const QUrl &url() const { return accepted; }
    // The tool's last argument; empty when the tool must not run.
    const QString &target() const { return toolTarget; }
    // The watch address; empty when no ID was found.
    const QUrl &canonical() const { return watch; }
    Problem problem() const { return found; }

private:
    QString given;
    QUrl accepted;
    QString toolTarget;
    QUrl watch;
    Problem found = None;
};
