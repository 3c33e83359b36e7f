#include "engine/toolerror.h"

#include "engine/clipmoor.h"

#include <QCoreApplication>

namespace {

using ToolFailure::Class;
using ToolFailure::Step;

struct Advice {
    Class failure;
    const char *text;
};

const Advice advices[] = {
    {Class::NoCookieProfile,
     QT_TRANSLATE_NOOP("ToolError",
                       "The browser's cookies could not be read: no profile of that browser was "
                       "found. Start that browser once and sign in to the site, or choose another "
                       "browser or “None” under “Use Cookies From” in the menu (right-click the "
                       "window).")},
    {Class::Private,
     QT_TRANSLATE_NOOP("ToolError", "This video is private: only people its owner invited can "
                                    "watch it. Choose another video.")},
    {Class::MembersOnly,
     QT_TRANSLATE_NOOP("ToolError",
                       "This video is for the channel's paying members only. If you are one, "
                       "sign in to the site in your browser and choose that browser under "
                       "“Use Cookies From” in the menu (right-click the window).")},
    {Class::AgeLimit,
     QT_TRANSLATE_NOOP("ToolError",
                       "This video has an age limit and is shown only to signed-in adults. Sign "
                       "in to the site in your browser and choose that browser under “Use "
                       "Cookies From” in the menu (right-click the window).")},
    {Class::BotCheck,
     QT_TRANSLATE_NOOP("ToolError",
                       "The site asks to sign in to confirm that you are not a bot. Choose a "
                       "browser you are signed in with under “Use Cookies From” in the menu "
                       "(right-click the window), or try again later.")},
    {Class::GeoBlocked,
     QT_TRANSLATE_NOOP("ToolError", "This video is not available in your country.")},
    {Class::NotYetLive,
     QT_TRANSLATE_NOOP("ToolError", "This live stream or premiere has not started yet. Try again "
                                    "once it has begun.")},
    {Class::Unavailable,
     QT_TRANSLATE_NOOP("ToolError", "This video has been removed or is not available. Check the "
                                    "address.")},
    {Class::FormatGone,
     QT_TRANSLATE_NOOP("ToolError", "The site no longer offers the chosen format. Go back and "
                                    "choose another one.")},
    {Class::FragmentMissing,
     QT_TRANSLATE_NOOP("ToolError", "A part of the video could not be fetched from the site. "
                                    "Try again later.")},
    {Class::Precondition,
     QT_TRANSLATE_NOOP("ToolError", "The site has changed in a way this yt-dlp cannot follow "
                                    "yet. Try again in a day or two, or choose “Nightly” under "
                                    "“yt-dlp Channel” in the menu.")},
    {Class::Extraction,
     QT_TRANSLATE_NOOP("ToolError", "The site has changed in a way this yt-dlp cannot follow "
                                    "yet. Try again in a day or two, or choose “Nightly” under "
                                    "“yt-dlp Channel” in the menu.")},
    {Class::NoFormats,
     QT_TRANSLATE_NOOP("ToolError", "The site offered no format of this video that yt-dlp can "
                                    "read. Try again in a day or two, or choose “Nightly” under "
                                    "“yt-dlp Channel” in the menu.")},
    {Class::Network,
     QT_TRANSLATE_NOOP("ToolError", "The site could not be reached. Check the internet "
                                    "connection and try again.")},
    {Class::Refused,
     QT_TRANSLATE_NOOP("ToolError", "The site turned the request away for now. Try again "
                                    "later, or choose cookies from a signed-in browser.")},
    {Class::TooMany,
     QT_TRANSLATE_NOOP("ToolError", "The site turned the request away for now. Try again "
                                    "later.")},
};

QString tr(const char *text)
{
    return QCoreApplication::translate("ToolError", text);
}

QString adviceFor(Class failure)
{
    for (const Advice &advice : advices) {
        if (advice.failure == failure)
            return tr(advice.text);
    }
    return QString();
}

// What the launcher did before the run failed for good, in one sentence.
QString triedText(const QList<ToolFailure::Note> &tried)
{
    QString installed;
    QString nightly;
    bool fresh = false;
    bool current = false;
    for (const ToolFailure::Note &note : tried) {
        if (note.step == Step::FreshExtraction)
            fresh = true;
        else if (note.step == Step::Updated)
            installed = note.detail;
        else if (note.step == Step::NoUpdate && note.detail.isEmpty())
            current = true;
        else if (note.step == Step::Nightly)
            nightly = note.detail;
    }
    if (!nightly.isEmpty())
        return QCoreApplication::translate(
                   "ToolError",
                   "yt-dlp's nightly build %1 was installed and the download tried again; the "
                   "site still refuses it.")
            .arg(nightly);
    if (!installed.isEmpty())
        return QCoreApplication::translate(
                   "ToolError",
                   "yt-dlp %1 was installed and the download tried again; the site still refuses "
                   "it.")
            .arg(installed);
    if (current)
        return QCoreApplication::translate("ToolError",
                                           "Clipmoor found no newer yt-dlp than the one it has.");
    if (fresh)
        return QCoreApplication::translate(
            "ToolError", "Clipmoor asked the site for the video again; the site still refuses it.");
    return QString();
}

// What each failure the engine reports says first: what failed, and what to do next.
struct CodeText {
    int code;
    const char *headline;
    const char *advice;
};

const CodeText codeTexts[] = {
    {Clipmoor::MetadataTooFewLines,
     QT_TRANSLATE_NOOP("ToolError", "The video's title and length could not be read"),
     QT_TRANSLATE_NOOP("ToolError",
                       "Check the address and the internet connection, then try again.")},
    {Clipmoor::MetadataBadDuration,
     QT_TRANSLATE_NOOP("ToolError", "The video's length could not be read"),
     QT_TRANSLATE_NOOP("ToolError", "Try again. If it happens again, update the downloader "
                                    "with “Manually Update Software” in the menu.")},
    {Clipmoor::MetadataCrashed,
     QT_TRANSLATE_NOOP("ToolError", "The downloader stopped while reading the video's title"),
     QT_TRANSLATE_NOOP("ToolError", "Try again. If it happens again, update the downloader "
                                    "with “Manually Update Software” in the menu.")},
    {Clipmoor::FormatsCrashed,
     QT_TRANSLATE_NOOP("ToolError", "The downloader stopped while listing the formats"),
     QT_TRANSLATE_NOOP("ToolError", "Try again. If it happens again, update the downloader "
                                    "with “Manually Update Software” in the menu.")},
    {Clipmoor::VideoCrashed,
     QT_TRANSLATE_NOOP("ToolError", "The downloader stopped during the download"),
     QT_TRANSLATE_NOOP("ToolError", "Choose the format again to start the download anew.")},
    {Clipmoor::FormatCount,
     QT_TRANSLATE_NOOP("ToolError", "The video's list of formats could not be read"),
     QT_TRANSLATE_NOOP("ToolError", "Try again. If it happens again, update the downloader "
                                    "with “Manually Update Software” in the menu.")},
    {Clipmoor::ToolNotStarted,
     QT_TRANSLATE_NOOP("ToolError", "The downloader could not be started"),
     QT_TRANSLATE_NOOP("ToolError", "Install the program again: its downloader is missing or "
                                    "cannot be run.")},
    {Clipmoor::VideoFailed, QT_TRANSLATE_NOOP("ToolError", "The download failed"),
     QT_TRANSLATE_NOOP("ToolError", "Try again, or choose another format.")},
    {Clipmoor::FormatsFailed,
     QT_TRANSLATE_NOOP("ToolError", "The video's list of formats could not be fetched"),
     QT_TRANSLATE_NOOP("ToolError", "Check the internet connection, then try again.")},
};

} // namespace

QString toolErrorAdvice(const QString &errorLine)
{
    return adviceFor(ToolFailure::classify(errorLine));
}

QString toolErrorAdvice(const QString &errorLine, const QList<ToolFailure::Note> &tried,
                        const QString &cookiesBrowser)
{
    const Class failure = ToolFailure::classify(errorLine);
    QString advice = adviceFor(failure);
    if (ToolFailure::needsSignIn(failure) && !cookiesBrowser.isEmpty())
        advice = QCoreApplication::translate(
                     "ToolError",
                     "The site did not accept the sign-in of %1, whose cookies were used: it may "
                     "have expired. Sign in to the site in %1 again, then try again.")
                     .arg(cookiesBrowser.left(1).toUpper() + cookiesBrowser.mid(1));
    const QString done = triedText(tried);
    if (done.isEmpty() || advice.isEmpty())
        return advice.isEmpty() ? done : advice;
    return done + QLatin1Char(' ') + advice;
}

QString toolStepText(const ToolFailure::Note &note)
{
    switch (note.step) {
    case Step::FreshExtraction:
        return QCoreApplication::translate("ToolError",
                                           "The site refused the stored link; asking again…");
    case Step::LookingForUpdate:
        return QCoreApplication::translate("ToolError", "Looking for a newer yt-dlp…");
    case Step::Updating:
    case Step::Updated:
        // Without a version the text of the search stays.
        if (note.detail.isEmpty())
            break;
        return QCoreApplication::translate("ToolError", "Updating yt-dlp to %1…").arg(note.detail);
    case Step::Nightly:
        return QCoreApplication::translate("ToolError", "Trying yt-dlp's nightly build…");
    case Step::NoUpdate:
    case Step::NoNightly:
        break;
    }
    return QString();
}

FailureText failureText(int code, const QString &errorLine, const QList<ToolFailure::Note> &tried,
                        const QString &cookiesBrowser)
{
    FailureText text{QCoreApplication::translate("ToolError", "Something went wrong"),
                     QCoreApplication::translate("ToolError", "Try again.")};
    for (const CodeText &known : codeTexts) {
        if (known.code == code)
            text = {tr(known.headline), tr(known.advice)};
    }
    // The tool's own reason, where it is one people commonly meet, says more.
    const QString advice = toolErrorAdvice(errorLine, tried, cookiesBrowser);
    if (!advice.isEmpty())
        text.advice = advice;
    const Class failure = ToolFailure::classify(errorLine);
    // Before any format was chosen, "the requested format" is every format.
    const bool beforeChoice = failure == Class::FormatGone && code != Clipmoor::VideoFailed;
    if (failure == Class::NoFormats || beforeChoice)
        text.headline =
            QCoreApplication::translate("ToolError", "This video offers no formats to download");
    if (beforeChoice) {
        const QString done = triedText(tried);
        const QString next =
            QCoreApplication::translate("ToolError", "Check the address, or try again later.");
        text.advice = done.isEmpty() ? next : done + QLatin1Char(' ') + next;
    }
    return text;
}
