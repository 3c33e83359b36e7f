#pragma once

#include <QString>

#include <optional>

// What the tool's last "ERROR:" line says went wrong, and the steps the launcher takes to
// recover from it by itself. The launcher tells the engine each step it takes through a
// line on standard error; both read and write that line here.
namespace ToolFailure {

enum class Class {
    Unknown,
    NoCookieProfile, // the chosen browser has no profile to read cookies from
    Private,
    MembersOnly,
    AgeLimit,
    BotCheck,
    GeoBlocked,
    NotYetLive,
    Unavailable,
    FormatGone,      // "Requested format is not available"
    FragmentMissing, // a fragment of the media is gone
    Precondition,    // the site wants what this yt-dlp does not send
    Extraction,      // signature, nsig, "Unable to extract"
    NoFormats,
    Network,
    Refused, // HTTP 403 or 410
    TooMany, // HTTP 429
};

// The class of the failure the line names; Unknown for none known here.
Class classify(const QString &errorLine);

// A download or listing served from stored info is asked of the site afresh.
bool freshExtractionHelps(Class failure);
// A newer yt-dlp (stable, else nightly) is fetched and the run tried again; fromStoredInfo
// for a run served from stored info, whose own addresses may be what failed.
bool newerToolHelps(Class failure, bool fromStoredInfo);
// Only a signed-in browser's cookies let the video through.
bool needsSignIn(Class failure);

enum class Step {
    FreshExtraction, // asking the site again instead of using the stored info
    LookingForUpdate,
    Updating,  // fetching a newer release (detail: its version, when the host tells it)
    Updated,   // detail: the installed version
    NoUpdate,  // no newer stable release (detail: why not, when it failed)
    Nightly,   // detail: the nightly version
    NoNightly, // detail: why not
};

struct Note {
    Step step;
    QString detail;
};

// The line (without its line break) the launcher writes on standard error for a step.
QByteArray noteLine(const Note &note);
// The step a line of standard error tells of; nothing for any other line.
std::optional<Note> parseNoteLine(const QString &line);

} // namespace ToolFailure
