#include "tools/kestrel2/infocache.h"

#include "app/identity.h"
#include "platform/platform.h"
#include "tools/kestrel2/ownfiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

namespace {
constexpr char entrySuffix[] = ".info.json";
constexpr char listingSuffix[] = ".listing";
constexpr char lockSuffix[] = ".lock";
// What yt-dlp writes for a field it has no value for.
constexpr char noValue[] = "NA";
// Without these yt-dlp stops with a traceback or finds no format when it loads the info
// (--load-info-json); yt-dlp's own extraction always sets them.
constexpr const char *requiredTexts[] = {"id", "extractor", "extractor_key", "webpage_url"};
constexpr const char *requiredFormatTexts[] = {"format_id", "url"};
// What the extraction found, kept in the entry: the run that uses it checks against it.
constexpr char sealKey[] = "clipmoor_extraction";
constexpr const char *sealedTexts[] = {"id", "webpage_url", "extractor_key"};
constexpr char sealHosts[] = "hosts";
constexpr char sealTarget[] = "target";
// Where a format names its media.
constexpr const char *formatAddresses[] = {"url", "manifest_url", "fragment_base_url"};
constexpr char listingHeading[] = "[info] Available formats for ";

// True when the info is one video's, with what yt-dlp reads from a loaded info for a
// listing or a download.
bool usable(const QByteArray &info)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(info, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    for (const char *key : requiredTexts) {
        if (object.value(QLatin1String(key)).toString().isEmpty())
            return false;
    }
    const QJsonValue type = object.value(QLatin1String("_type"));
    if (!type.isUndefined() && type.toString() != QLatin1String("video"))
        return false;
    const QJsonArray formats = object.value(QLatin1String("formats")).toArray();
    if (formats.isEmpty())
        return false;
    for (const QJsonValue &format : formats) {
        for (const char *key : requiredFormatTexts) {
            if (format.toObject().value(QLatin1String(key)).toString().isEmpty())
                return false;
        }
    }
    return true;
}

// The target is a video's ID or its address; an ID must be the info's own.
bool isId(const QByteArray &target)
{
    return !target.isEmpty() && std::all_of(target.begin(), target.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
    });
}

// Every address a format's media may be fetched from, fragments included.
QList<QUrl> mediaAddresses(const QJsonObject &info)
{
    QList<QUrl> addresses;
    for (const QJsonValue &value : info.value(QLatin1String("formats")).toArray()) {
        const QJsonObject format = value.toObject();
        for (const char *key : formatAddresses) {
            const QString address = format.value(QLatin1String(key)).toString();
            if (!address.isEmpty())
                addresses.append(QUrl(address));
        }
        for (const QJsonValue &fragment : format.value(QLatin1String("fragments")).toArray()) {
            const QUrl address(fragment.toObject().value(QLatin1String("url")).toString());
            if (!address.isRelative())
                addresses.append(address);
        }
    }
    return addresses;
}

QJsonArray hostsOf(const QJsonObject &info)
{
    QStringList hosts;
    for (const QUrl &address : mediaAddresses(info))
        hosts.append(address.host().toLower());
    hosts.sort();
    hosts.removeDuplicates();
    return QJsonArray::fromStringList(hosts);
}

QJsonObject sealOf(const QJsonObject &info, const QByteArray &target)
{
    QJsonObject seal;
    for (const char *key : sealedTexts)
        seal.insert(QLatin1String(key), info.value(QLatin1String(key)));
    seal.insert(QLatin1String(sealHosts), hostsOf(info));
    seal.insert(QLatin1String(sealTarget), QString::fromUtf8(target));
    return seal;
}

// True when the info is still what the extraction for the target found.
bool trusted(const QJsonObject &info, const QByteArray &target)
{
    const QJsonObject seal = info.value(QLatin1String(sealKey)).toObject();
    if (isId(target) && info.value(QLatin1String("id")).toString().toUtf8() != target)
        return false;
    return !seal.isEmpty() && sealOf(info, target) == seal;
}

// The earliest time a media address says it expires (its "expire" item, Unix time);
// none when no address says.
std::optional<qint64> earliestExpiry(const QJsonObject &info)
{
    std::optional<qint64> earliest;
    for (const QUrl &address : mediaAddresses(info)) {
        bool ok = false;
        const qint64 expire =
            QUrlQuery(address).queryItemValue(QStringLiteral("expire")).toLongLong(&ok);
        if (ok && (!earliest || expire < *earliest))
            earliest = expire;
    }
    return earliest;
}

QByteArray sha256(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

// At most maxBytes of the file; empty when it is larger or cannot be read.
QByteArray readAll(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return QByteArray();
    const QByteArray data = file.read(maxBytes + 1);
    return data.size() > maxBytes ? QByteArray() : data;
}

// The tool puts the cookies it sent into the info (a "cookies" field, or a "Cookie" among
// the headers, depending on its age); it reads them from the browser again at each run.
QJsonValue withoutCookies(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &item : value.toArray())
            array.append(withoutCookies(item));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    object.remove(QLatin1String("cookies"));
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == QLatin1String("http_headers") && it->isObject()) {
            QJsonObject headers = it->toObject();
            for (const QString &name : headers.keys()) {
                if (name.compare(QLatin1String("Cookie"), Qt::CaseInsensitive) == 0)
                    headers.remove(name);
            }
            *it = headers;
        } else {
            *it = withoutCookies(*it);
        }
    }
    return object;
}
} // namespace

InfoCache::InfoCache(const QByteArray &buildKey_, const QString &cookiesBrowser)
    : folder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
             QStringLiteral("/%1/%2/info")
                 .arg(QLatin1String(Identity::organization), QLatin1String(Identity::name)))
    , buildKey(buildKey_)
    , withCookies(!cookiesBrowser.isEmpty())
{
    // Without a browser the key is the one entries had before the choice existed.
    if (withCookies)
        buildKey += "\ncookies-from-browser " + cookiesBrowser.toUtf8();
}

bool InfoCache::prepare() const
{
    return OwnFiles::makePrivateFolder(folder, true) && QFileInfo(folder).isWritable();
}

QString InfoCache::entry(const QByteArray &target) const
{
    const QByteArray key =
        QCryptographicHash::hash(buildKey + '\0' + target, QCryptographicHash::Sha256).toHex();
    return folder + QLatin1Char('/') + QString::fromLatin1(key) + QLatin1String(entrySuffix);
}

QString InfoCache::fresh(const QByteArray &target, int maxAgeS, Use use) const
{
    const QString path = entry(target);
    const QFileInfo info(path);
    // A link is no entry of ours; removing it leaves its target alone.
    if (info.isSymLink()) {
        QFile::remove(path);
        return QString();
    }
    if (!info.isFile())
        return QString();
    const qint64 age = info.lastModified().secsTo(QDateTime::currentDateTime());
    if (age < 0 || age > maxAgeS)
        return QString();
    const QByteArray data = readAll(path, maxEntryBytes);
    const QJsonObject object = QJsonDocument::fromJson(data).object();
    const std::optional<qint64> expiry = earliestExpiry(object);
    const bool expiring = use == Use::Download && expiry &&
                          *expiry - QDateTime::currentSecsSinceEpoch() < expiryMarginS;
    if (!usable(data) || !trusted(object, target) || expiring) {
        QFile::remove(path);
        return QString();
    }
    return path;
}

QString InfoCache::listingOf(const QString &entryPath) const
{
    QString path = entryPath;
    path.chop(int(std::strlen(entrySuffix)));
    return path + QLatin1String(listingSuffix);
}

QByteArray InfoCache::freshListing(const QByteArray &target, int maxAgeS) const
{
    const QString path = fresh(target, maxAgeS);
    const QString listing = path.isEmpty() ? QString() : listingOf(path);
    if (listing.isEmpty() || QFileInfo(listing).isSymLink())
        return QByteArray();
    // Its checksum first, so that a damaged listing is never printed, and the heading
    // names the video it belongs to.
    const QByteArray stored = readAll(listing, maxListingBytes);
    const qsizetype end = stored.indexOf('\n');
    const QByteArray text = stored.mid(end + 1);
    const QByteArray id = QJsonDocument::fromJson(readAll(path, maxEntryBytes))
                              .object()
                              .value(QLatin1String("id"))
                              .toString()
                              .toUtf8();
    if (end < 0 || stored.left(end) != sha256(text) ||
        !text.startsWith(listingHeading + id + ":\n"))
        return QByteArray();
    return text;
}

bool InfoCache::store(const QByteArray &target, const QByteArray &printed) const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList old = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : old) {
        if (file.lastModified().secsTo(now) > keptS)
            QFile::remove(file.filePath());
    }
    // The info is one line of JSON; the format table follows it.
    const qsizetype end = printed.indexOf('\n');
    QByteArray info = printed.left(end);
    if (!usable(info))
        return false;
    QJsonObject object = QJsonDocument::fromJson(info).object();
    const QByteArray id = object.value(QLatin1String("id")).toString().toUtf8();
    // An extraction that answered for another video is no entry for this target.
    if (isId(target) && id != target)
        return false;
    if (withCookies)
        object = withoutCookies(object).toObject();
    object.insert(QLatin1String(sealKey), sealOf(object, target));
    info = QJsonDocument(object).toJson(QJsonDocument::Compact);
    const QByteArray formats = end < 0 ? QByteArray() : printed.mid(end + 1);
    if (info.size() > maxEntryBytes || !Platform::replaceFile(entry(target), info))
        return false;
    // As the listing run prints it: yt-dlp's heading, then the table.
    const QString listing = listingOf(entry(target));
    const QByteArray text = listingHeading + id + ":\n" + formats;
    if (formats.trimmed().isEmpty() || formats.trimmed() == noValue ||
        text.size() > maxListingBytes ||
        !Platform::replaceFile(listing, sha256(text) + '\n' + text))
        QFile::remove(listing);
    return true;
}

QByteArray InfoCache::thumbnailOf(const QString &entry)
{
    return infoOf(entry).value(QLatin1String("thumbnail")).toString().toUtf8();
}

QJsonObject InfoCache::infoOf(const QString &entry)
{
    return QJsonDocument::fromJson(readAll(entry, maxEntryBytes)).object();
}

QByteArray InfoCache::metadataOf(const QString &entry)
{
    const QJsonObject info = QJsonDocument::fromJson(readAll(entry, maxEntryBytes)).object();
    const QByteArray title = info.value(QLatin1String("title")).toString().toUtf8();
    const QByteArray duration = info.value(QLatin1String("duration_string")).toString().toUtf8();
    if (title.isEmpty() || duration.isEmpty())
        return QByteArray();
    return title + '\n' + duration + '\n';
}

std::unique_ptr<QLockFile> InfoCache::extractionLock(const QByteArray &target) const
{
    QString path = entry(target);
    path.chop(int(std::strlen(entrySuffix)));
    auto lock = std::make_unique<QLockFile>(path + QLatin1String(lockSuffix));
    lock->setStaleLockTime(0);
    return lock;
}
