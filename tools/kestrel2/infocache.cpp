#include "tools/kestrel2/infocache.h"

#include "app/identity.h"
#include "tools/kestrel2/ownfiles.h"

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

namespace {
constexpr char entrySuffix[] = ".info.json";
constexpr char partialPrefix[] = ".partial-";

bool holdsInfo(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isObject() && document.object().contains(QLatin1String("id"));
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
    return OwnFiles::makePrivateFolder(folder, true).isEmpty() && QFileInfo(folder).isWritable();
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

QString InfoCache::newPartial() const
{
    QTemporaryFile partial(folder + QLatin1Char('/') + QLatin1String(partialPrefix) +
                           QStringLiteral("XXXXXX.json"));
    if (!partial.open())
        return QString();
    partial.setAutoRemove(false);
    return partial.fileName();
}

bool InfoCache::commit(const QString &partial, const QByteArray &target) const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList old = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : old) {
        if (file.filePath() != partial && file.lastModified().secsTo(now) > keptS)
            QFile::remove(file.filePath());
    }
    if (!holdsInfo(partial) || std::rename(QFile::encodeName(partial).constData(),
                                           QFile::encodeName(entry(target)).constData()) != 0) {
        QFile::remove(partial);
        return false;
    }
    return true;
}
