#include "engine/address.h"

#include <QRegularExpression>
#include <QUrlQuery>

namespace Address {

namespace {

QString escapedHost(const char *host)
{
    return QRegularExpression::escape(QLatin1String(host));
}

const QRegularExpression &addressExpression()
{
    static const QRegularExpression expression(
        QStringLiteral("^(https?://)?(www\\.)?(%1/(watch\\?v=|shorts/)|%2/)[\\w\\-]+")
            .arg(escapedHost(mainHost), escapedHost(shortHost)),
        QRegularExpression::CaseInsensitiveOption);
    return expression;
}

} // namespace

bool isVideoId(const QString &id)
{
    static const QRegularExpression expression(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return expression.match(id).hasMatch();
}

std::optional<QUrl> accept(const QString &text)
{
    QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;

    QUrlQuery query(url);
    const QString channel = QStringLiteral("ab_channel");
    if (query.hasQueryItem(channel)) {
        query.removeQueryItem(channel);
        url.setQuery(query);
    }
    if (!addressExpression().match(url.toString()).hasMatch())
        return std::nullopt;
    // The expression checks only the start: what the tool would be given decides.
    const Target::Problem problem = targetFor(url).problem;
    if (problem == Target::ForeignHost || problem == Target::BadId)
        return std::nullopt;
    return url;
}

Target targetFor(const QUrl &given)
{
    // "youtube.com/watch?v=…" without a scheme reads as a path: read it as an address.
    QUrl url = given;
    if (url.scheme().isEmpty() && url.host().isEmpty())
        url = QUrl(QStringLiteral("https://") + given.toString(), QUrl::TolerantMode);

    const QString host = url.host(QUrl::FullyDecoded).toLower();
    const QString path = url.path(QUrl::FullyDecoded);

    QString id;
    const QString main = QLatin1String(mainHost);
    if (host == main || host.endsWith(QLatin1Char('.') + main)) {
        if (path == QLatin1String("/watch"))
            id = QUrlQuery(url).queryItemValue(QStringLiteral("v"), QUrl::FullyDecoded);
        else if (path.startsWith(QLatin1String("/shorts/")))
            id = path.mid(8);
    } else if (host == QLatin1String(shortHost)) {
        if (path.size() >= 2)
            id = path.mid(1);
    } else {
        // Another site's address never reaches the tool.
        return {QString(), QUrl(), Target::ForeignHost};
    }
    if (id.isEmpty())
        return {given.toString(), QUrl(), Target::NoId};
    // Anything but a plain ID (another address, a search) never reaches the tool.
    if (!isVideoId(id))
        return {QString(), QUrl(), Target::BadId};

    QUrl canonical;
    canonical.setScheme(QStringLiteral("https"));
    canonical.setHost(QStringLiteral("www.") + QLatin1String(mainHost));
    canonical.setPath(QStringLiteral("/watch"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("v"), id);
    canonical.setQuery(query);

    // An ID that looks like an option goes to the tool as a whole address.
    const bool optionLike = id.startsWith(QLatin1Char('-')) || id.startsWith(QLatin1Char('_'));
    return {optionLike ? canonical.toString() : id, canonical, Target::None};
}

} // namespace Address
