#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {
std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}
} // namespace

namespace Platform {

// The same call on every system: a rename that replaces whatever entry has the name.
Result<> renameOver(const QString &from, const QString &path)
{
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(path), error);
    if (error)
        return fail(QStringLiteral("cannot replace %1: %2")
                        .arg(path, QString::fromLocal8Bit(error.message())));
    return {};
}

Result<> replaceFile(const QString &path, const QByteArray &data, bool executable)
{
    const QFileInfo target(path);
    QTemporaryFile file(target.path() + QLatin1Char('/') + QLatin1String(partialPrefix) +
                        target.fileName() + QStringLiteral("-XXXXXX"));
    if (!file.open())
        return fail(
            QStringLiteral("cannot write in %1: %2").arg(target.path(), file.errorString()));
    if (file.write(data) != data.size() || !file.flush())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (executable && !file.setPermissions(file.permissions() | QFileDevice::ExeOwner))
        return fail(QStringLiteral("cannot make %1 runnable: %2").arg(path, file.errorString()));
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    const Result<> renamed = renameOver(file.fileName(), path);
    if (renamed)
        file.setAutoRemove(false);
    return renamed;
}

} // namespace Platform
