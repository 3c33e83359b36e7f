#include "toolruns/toolfailure.h"

#include <QRegularExpression>

#include <initializer_list>
#include <iterator>

namespace {

struct Pattern {
    ToolFailure::Class failure;
    std::initializer_list<const char *> marks; // any of them, in any case
};

using ToolFailure::Class;

// In this order: the site's reasons often carry words of a later kind, as "Private
// video. Sign in if you've been granted access" or "Video unavailable. The uploader has
// not made this video available in your country".
const Pattern patterns[] = {
    {Class::NoCookieProfile, {"cookies database"}},
    {Class::Private, {"private video", "video is private"}},
    {Class::MembersOnly,
     {"members-only", "members only", "channel's members", "join this channel"}},
    {Class::AgeLimit,
     {"confirm your age", "age-restricted", "age restricted", "inappropriate for some users"}},
    {Class::BotCheck, {"not a bot", "sign in", "login required", "--cookies"}},
    {Class::GeoBlocked, {"in your country", "from your location", "geo restrict"}},
    {Class::NotYetLive,
     {"live event will begin", "this live event", "premieres in", "premiere will begin",
      "will begin in", "is upcoming"}},
    {Class::Unavailable,
     {"video unavailable", "has been removed", "no longer available", "been terminated",
      "does not exist", "http error 404"}},
    {Class::FormatGone, {"requested format is not available"}},
    {Class::Precondition, {"precondition check failed"}},
    {Class::Extraction,
     {"signature extraction failed", "nsig extraction failed", "unable to extract"}},
    {Class::NoFormats, {"no video formats found"}},
    {Class::Network,
     {"name resolution", "name or service not known", "getaddrinfo", "failed to resolve",
      "connection refused", "network is unreachable", "no route to host", "timed out",
      "connection reset", "urlopen error"}},
    {Class::Refused, {"http error 403", "http error 410"}},
    {Class::TooMany, {"http error 429", "too many requests"}},
};

constexpr char notePrefix[] = "[kestrel2] recovering: ";

struct StepName {
    ToolFailure::Step step;
    const char *name;
};

const StepName stepNames[] = {
    {ToolFailure::Step::FreshExtraction, "fresh-extraction"},
    {ToolFailure::Step::LookingForUpdate, "looking-for-update"},
    {ToolFailure::Step::Updating, "updating"},
    {ToolFailure::Step::Updated, "updated"},
    {ToolFailure::Step::NoUpdate, "no-update"},
    {ToolFailure::Step::Nightly, "nightly"},
    {ToolFailure::Step::NoNightly, "no-nightly"},
};

} // namespace

namespace ToolFailure {

Class classify(const QString &errorLine)
{
    // "fragment 3 not found, unable to continue"
    static const QRegularExpression fragment(QStringLiteral("fragment \\S+ not found"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const Pattern &pattern : patterns) {
        for (const char *mark : pattern.marks) {
            if (errorLine.contains(QLatin1String(mark), Qt::CaseInsensitive))
                return pattern.failure;
        }
        if (pattern.failure == Class::Unavailable && fragment.match(errorLine).hasMatch())
            return Class::FragmentMissing;
    }
    return Class::Unknown;
}

bool freshExtractionHelps(Class failure)
{
    return failure == Class::Refused || failure == Class::FormatGone ||
           failure == Class::FragmentMissing;
}

bool newerToolHelps(Class failure, bool fromStoredInfo)
{
    switch (failure) {
    case Class::Extraction:
    case Class::Precondition:
    case Class::NoFormats:
        return true;
    case Class::Refused:
    case Class::FormatGone:
        return !fromStoredInfo;
    default:
        return false;
    }
}

bool needsSignIn(Class failure)
{
    return failure == Class::BotCheck || failure == Class::AgeLimit ||
           failure == Class::MembersOnly;
}

QByteArray noteLine(const Note &note)
{
    for (const StepName &name : stepNames) {
        if (name.step != note.step)
            continue;
        QByteArray line = QByteArray(notePrefix) + name.name;
        // One line, whatever the detail holds.
        const QString detail = note.detail.simplified();
        if (!detail.isEmpty())
            line += ' ' + detail.toUtf8();
        return line;
    }
    return QByteArray();
}

std::optional<Note> parseNoteLine(const QString &line)
{
    if (!line.startsWith(QLatin1String(notePrefix)))
        return std::nullopt;
    const QString rest = line.mid(int(std::size(notePrefix)) - 1);
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    const QString name = rest.left(space);
    for (const StepName &known : stepNames) {
        if (name == QLatin1String(known.name))
            return Note{known.step, space < 0 ? QString() : rest.mid(space + 1).trimmed()};
    }
    return std::nullopt;
}

} // namespace ToolFailure
