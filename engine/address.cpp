#include "engine/address.h"

#include <QRegularExpression>
#include <QUrlQuery>

namespace {

QString escapedHost(const char *host)
{
    return QRegularExpression::escape(QLatin1String(host));
}

const QRegularExpression &addressExpression()
{
    static const QRegularExpression expression(
        QStringLiteral("^(https?://)?(www\\.)?(%1/(watch\\?v=|shorts/)|%2/)[\\w\\-]+")
            .arg(escapedHost(Address::mainHost), escapedHost(Address::shortHost)),
        QRegularExpression::CaseInsensitiveOption);
    return expression;
}

} // namespace

bool Address::isVideoId(const QString &id)
{
    static const QRegularExpression expression(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return expression.match(id).hasMatch();
}

std::optional<Address> Address::accept(const QString &text)
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
    Address address = read(url);
    if (address.found == ForeignHost || address.found == BadId)
        return std::nullopt;
    address.given = text;
    return address;
}

Address Address::read(const QUrl &given)
{
    Address address;
    address.given = given.toString();
    address.accepted = given;

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
        address.found = ForeignHost;
        return address;
    }
    if (id.isEmpty()) {
        address.toolTarget = given.toString();
        address.found = NoId;
        return address;
    }
    // Anything but a plain ID (another address, a search) never reaches the tool.
    if (!isVideoId(id)) {
        address.found = BadId;
        return address;
    }

    address.watch.setScheme(QStringLiteral("https"));
    address.watch.setHost(QStringLiteral("www.") + QLatin1String(mainHost));
    address.watch.setPath(QStringLiteral("/watch"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("v"), id);
    address.watch.setQuery(query);

    // An ID that looks like an option goes to the tool as a whole address.
    const bool optionLike = id.startsWith(QLatin1Char('-')) || id.startsWith(QLatin1Char('_'));
    address.toolTarget = optionLike ? address.watch.toString() : id;
    return address;
}
