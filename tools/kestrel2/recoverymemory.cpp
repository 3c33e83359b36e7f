#include "tools/kestrel2/recoverymemory.h"

#include "app/identity.h"
#include "platform/platform.h"
#include "tools/kestrel2/ownfiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr qint64 maxBytes = 256;

struct Name {
    RecoveryMemory::Step step;
    const char *word;
};
constexpr Name names[] = {
    {RecoveryMemory::Update, "update"},
    {RecoveryMemory::NoNewerStable, "no-newer-stable"},
    {RecoveryMemory::Nightly, "nightly"},
};

qint64 ageS(const QFileInfo &file)
{
    return file.lastModified().secsTo(QDateTime::currentDateTime());
}
} // namespace

RecoveryMemory::RecoveryMemory(const QByteArray &target)
    : folder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
             QStringLiteral("/%1/%2/recovery")
                 .arg(QLatin1String(Identity::organization), QLatin1String(Identity::name)))
    , path(
          folder + QLatin1Char('/') +
          QString::fromLatin1(QCryptographicHash::hash(target, QCryptographicHash::Sha256).toHex()))
{
    const QFileInfo info(path);
    // A memory from long ago, or one someone else put here, is none.
    if (info.isSymLink() || !info.isFile() || ageS(info) < 0 || ageS(info) > rememberedS)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> words = file.read(maxBytes).split('\n');
    for (const Name &name : names) {
        if (words.contains(QByteArray(name.word)))
            steps |= name.step;
    }
}

void RecoveryMemory::add(Step step)
{
    steps |= step;
    if (!OwnFiles::makePrivateFolder(folder, true))
        return;
    prune();
    QByteArray text;
    for (const Name &name : names) {
        if (has(name.step))
            text += QByteArray(name.word) + '\n';
    }
    (void)Platform::replaceFile(path, text);
}

void RecoveryMemory::prune() const
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (ageS(entry) > keptS)
            QFile::remove(entry.filePath());
    }
}
