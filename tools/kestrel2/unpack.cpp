#include "tools/kestrel2/unpack.h"

#include <QFile>
#include <QIODevice>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {
constexpr size_t readBlockBytes = 64 * 1024;

struct ArchiveDeleter {
    void operator()(archive *reader) const { archive_read_free(reader); }
};

QString archiveError(archive *reader)
{
    const char *text = archive_error_string(reader);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("damaged archive");
}
} // namespace

QString unpackEntry(const QString &archivePath, const QString &entryPath, QIODevice &out,
                    qint64 maxBytes)
{
    std::unique_ptr<archive, ArchiveDeleter> reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(),
                                   readBlockBytes) != ARCHIVE_OK)
        return archiveError(reader.get());

    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const char *name = archive_entry_pathname(entry);
        const QString path = name ? QString::fromUtf8(name) : QString();
        if (path != entryPath || archive_entry_filetype(entry) != AE_IFREG)
            continue;
        qint64 written = 0;
        char buffer[readBlockBytes];
        la_ssize_t got = 0;
        while ((got = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0) {
            written += got;
            if (written > maxBytes)
                return QStringLiteral("%1 is larger than %2 bytes").arg(entryPath).arg(maxBytes);
            if (out.write(buffer, got) != got)
                return QStringLiteral("cannot write: %1").arg(out.errorString());
        }
        if (got < 0)
            return archiveError(reader.get());
        return QString();
    }
    if (status != ARCHIVE_EOF)
        return archiveError(reader.get());
    return QStringLiteral("the archive holds no %1").arg(entryPath);
}
