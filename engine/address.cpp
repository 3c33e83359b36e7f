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
    return url;
}

Target targetFor(const QUrl &url)
{
    const QString host = url.host(QUrl::FullyDecoded).toLower();
    const QString path = url.path(QUrl::FullyDecoded);

    QString id;
    if (host.endsWith(QLatin1String(mainHost))) {
        if (path == QLatin1String("/watch"))
            id = QUrlQuery(url).queryItemValue(QStringLiteral("v"), QUrl::FullyDecoded);
        else if (path.startsWith(QLatin1String("/shorts/")))
            id = path.mid(8);
    } else if (host == QLatin1String(shortHost)) {
        if (path.size() >= 2)
            id = path.mid(1);
    } else {
        return {url.toString(), QUrl(), Target::ForeignHost};
    }
    if (id.isEmpty())
        return {url.toString(), QUrl(), Target::NoId};

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
