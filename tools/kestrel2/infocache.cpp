#include "tools/kestrel2/infocache.h"

#include "app/identity.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>

namespace {
constexpr char entrySuffix[] = ".info.json";
constexpr char listingSuffix[] = ".listing";
constexpr char partialPrefix[] = ".partial-";
// What yt-dlp writes for a field it has no value for.
constexpr char noValue[] = "NA";

// The video ID of the info in the file; empty when it holds none.
QString infoId(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.object().value(QLatin1String("id")).toString();
}

bool holdsInfo(const QString &path)
{
    return !infoId(path).isEmpty();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Written beside and renamed over, so that a reader never meets half a file.
bool replaceFile(const QString &path, const QByteArray &data)
{
    QTemporaryFile file(QFileInfo(path).path() + QLatin1Char('/') + QLatin1String(partialPrefix) +
                        QStringLiteral("XXXXXX"));
    if (!file.open() || file.write(data) != data.size() || !file.flush())
        return false;
    file.setAutoRemove(false);
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) == 0)
        return true;
    QFile::remove(file.fileName());
    return false;
}
} // namespace

InfoCache::InfoCache(const QByteArray &buildKey_)
    : folder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
             QStringLiteral("/%1/%2/info")
                 .arg(QLatin1String(Identity::organization), QLatin1String(Identity::name)))
    , buildKey(buildKey_)
{
}

bool InfoCache::prepare() const
{
    return QDir().mkpath(folder) &&
           QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           QFileInfo(folder).isWritable();
}

QString InfoCache::entry(const QByteArray &target) const
{
    const QByteArray key =
        QCryptographicHash::hash(buildKey + '\0' + target, QCryptographicHash::Sha256).toHex();
    return folder + QLatin1Char('/') + QString::fromLatin1(key) + QLatin1String(entrySuffix);
}

QString InfoCache::fresh(const QByteArray &target, int maxAgeS) const
{
    const QString path = entry(target);
    const QFileInfo info(path);
    if (!info.isFile())
        return QString();
    const qint64 age = info.lastModified().secsTo(QDateTime::currentDateTime());
    if (age < 0 || age > maxAgeS || !holdsInfo(path))
        return QString();
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
    return path.isEmpty() ? QByteArray() : readAll(listingOf(path));
}

QString InfoCache::newPartial() const
{
    QTemporaryFile partial(folder + QLatin1Char('/') + QLatin1String(partialPrefix) +
                           QStringLiteral("XXXXXX.json"));
    if (!partial.open())
        return QString();
    partial.setAutoRemove(false);
    return partial.fileName();
}

bool InfoCache::commit(const QString &partial, const QString &table, const QByteArray &target) const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList old = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : old) {
        if (file.filePath() != partial && file.lastModified().secsTo(now) > keptS)
            QFile::remove(file.filePath());
    }
    const QString id = infoId(partial);
    if (id.isEmpty())
        return false;
    // As the listing run prints it: yt-dlp's heading, then the table.
    const QByteArray formats = readAll(table);
    const QString listing = listingOf(entry(target));
    if (formats.trimmed().isEmpty() || formats.trimmed() == noValue ||
        !replaceFile(listing, "[info] Available formats for " + id.toUtf8() + ":\n" + formats))
        QFile::remove(listing);
    return std::rename(QFile::encodeName(partial).constData(),
                       QFile::encodeName(entry(target)).constData()) == 0;
}
