#include "engine/toolerror.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

struct Failure {
    std::initializer_list<const char *> marks; // any of them, in any case
    const char *advice;
};

// In this order: the site's reasons often carry words of a later kind, as "Private
// video. Sign in if you've been granted access" or "Video unavailable. The uploader has
// not made this video available in your country".
const Failure failures[] = {
    {{"cookies database"},
     QT_TRANSLATE_NOOP("ToolError",
                       "The browser's cookies could not be read: no profile of that browser was "
                       "found. Start that browser once and sign in to the site, or choose another "
                       "browser or “None” under “Use Cookies From” in the menu (right-click the "
                       "window).")},
    {{"private video", "video is private"},
     QT_TRANSLATE_NOOP("ToolError", "This video is private: only people its owner invited can "
                                    "watch it. Choose another video.")},
    {{"members-only", "members only", "channel's members", "join this channel"},
     QT_TRANSLATE_NOOP("ToolError",
                       "This video is for the channel's paying members only. If you are one, "
                       "sign in to the site in your browser and choose that browser under "
                       "“Use Cookies From” in the menu (right-click the window).")},
    {{"confirm your age", "age-restricted", "age restricted", "inappropriate for some users"},
     QT_TRANSLATE_NOOP("ToolError",
                       "This video has an age limit and is shown only to signed-in adults. Sign "
                       "in to the site in your browser and choose that browser under “Use "
                       "Cookies From” in the menu (right-click the window).")},
    {{"not a bot", "sign in", "login required", "--cookies"},
     QT_TRANSLATE_NOOP("ToolError",
                       "The site asks to sign in to confirm that you are not a bot. Choose a "
                       "browser you are signed in with under “Use Cookies From” in the menu "
                       "(right-click the window), or try again later.")},
    {{"in your country", "from your location", "geo restrict"},
     QT_TRANSLATE_NOOP("ToolError", "This video is not available in your country.")},
    {{"live event will begin", "premieres in", "premiere will begin", "will begin in",
      "is upcoming"},
     QT_TRANSLATE_NOOP("ToolError", "This live stream or premiere has not started yet. Try again "
                                    "once it has begun.")},
    {{"video unavailable", "has been removed", "no longer available", "been terminated",
      "does not exist", "http error 404"},
     QT_TRANSLATE_NOOP("ToolError", "This video has been removed or is not available. Check the "
                                    "address.")},
    {{"name resolution", "name or service not known", "getaddrinfo", "failed to resolve",
      "connection refused", "network is unreachable", "no route to host", "timed out",
      "connection reset", "urlopen error"},
     QT_TRANSLATE_NOOP("ToolError", "The site could not be reached. Check the internet "
                                    "connection and try again.")},
    {{"http error 403", "http error 429", "too many requests"},
     QT_TRANSLATE_NOOP("ToolError", "The site turned the request away for now. Try again "
                                    "later.")},
};

} // namespace

QString toolErrorAdvice(const QString &errorLine)
{
    for (const Failure &failure : failures) {
        for (const char *mark : failure.marks) {
            if (errorLine.contains(QLatin1String(mark), Qt::CaseInsensitive))
                return QCoreApplication::translate("ToolError", failure.advice);
        }
    }
    return QString();
}
