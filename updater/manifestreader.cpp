#include "updater/manifestreader.h"

#include "updater/updaterlog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

// A whole number as a signed 32-bit value; anything else reads as 0.
int readInt32(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (!(number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()) ||
        std::trunc(number) != number)
        return 0;
    return int(number);
}

uint ConverToUINT(int value)
{
    if (value < 0) {
        UPD_WARNING("ConverToUINT") << "negative version in JSON! val =" << value;
        return 0;
    }
    return uint(value);
}

} // namespace

Result<ManifestFields> readManifest(const QByteArray &data)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(parse.errorString());
    if (!document.isObject())
        return fail(QStringLiteral("JSON root is not an object!"));
    ManifestFields fields;
    fields.root = document.object();
    const QJsonObject enabled = fields.root.value(QLatin1String("enabled")).toObject();
    fields.all = enabled.value(QLatin1String("all")).toBool(false);
    for (const QJsonValue &address : enabled.value(QLatin1String("ips")).toArray())
        fields.addresses.append(address.toString());
    return fields;
}

Result<> readReleases(ManifestFields &fields)
{
    const QJsonObject latest = fields.root.value(QLatin1String("lst")).toObject();
    fields.latestVersion = ConverToUINT(readInt32(latest.value(QLatin1String("ver"))));
    fields.latestPath = latest.value(QLatin1String("pth")).toString();
    const QJsonValue sha256 = latest.value(QLatin1String("sha256"));
    if (!sha256.isUndefined() && !sha256.isString())
        return fail(QStringLiteral("The checksum \"lst\".\"sha256\" is not a string"));
    fields.latestSha256 = sha256.toString();
    const QJsonObject old = fields.root.value(QLatin1String("old")).toObject();
    fields.oldVersion = ConverToUINT(readInt32(old.value(QLatin1String("ver"))));
    fields.oldPath = old.value(QLatin1String("pth")).toString();
    return {};
}
