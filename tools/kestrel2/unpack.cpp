#include "tools/kestrel2/unpack.h"

#include <QFile>
#include <QIODevice>
#include <QSet>

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

// A relative path of plain names: no empty, "." or ".." part.
bool isPlain(const QString &path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const bool trailingSlash = i > 0 && i == parts.size() - 1 && part.isEmpty();
        if (!trailingSlash &&
            (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")))
            return false;
    }
    return true;
}

// The rule both unpackers follow for every entry, whichever they unpack: its path is
// plain ("./deno" is not), and no other entry names it, so that no unpacker's choice
// between two decides what is installed. The entry's path on success, else empty with
// the reason in problem.
QString checkedPath(archive_entry *entry, QSet<QString> &seen, QString &problem)
{
    const char *name = archive_entry_pathname(entry);
    QString path = name ? QString::fromUtf8(name) : QString();
    if (!isPlain(path)) {
        problem = path.split(QLatin1Char('/')).contains(QLatin1String("..")) ||
                          path.startsWith(QLatin1Char('/'))
                      ? QStringLiteral("the entry %1 leaves the folder").arg(path)
                      : QStringLiteral("the entry %1 is not a plain path").arg(path);
        return QString();
    }
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (seen.contains(path)) {
        problem = QStringLiteral("the archive holds more than one %1").arg(path);
        return QString();
    }
    seen.insert(path);
    return path;
}
} // namespace

Result<> unpackEntry(const QString &archivePath, const QString &entryPath, QIODevice &out,
                     qint64 maxBytes)
{
    std::unique_ptr<archive, ArchiveDeleter> reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(),
                                   readBlockBytes) != ARCHIVE_OK)
        return fail(archiveError(reader.get()));

    // Every entry is looked at: an archive that names the file twice, or as anything but
    // a plain file, is refused rather than trusting whichever one an unpacker would pick.
    bool found = false;
    QSet<QString> seen;
    QString problem;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const QString path = checkedPath(entry, seen, problem);
        if (path.isEmpty())
            return fail(problem);
        if (path != entryPath)
            continue;
        found = true;
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry))
            return fail(QStringLiteral("%1 in the archive is not a regular file").arg(entryPath));
        qint64 written = 0;
        char buffer[readBlockBytes];
        la_ssize_t got = 0;
        while ((got = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0) {
            written += got;
            if (written > maxBytes)
                return fail(
                    QStringLiteral("%1 is larger than %2 bytes").arg(entryPath).arg(maxBytes));
            if (out.write(buffer, got) != got)
                return fail(QStringLiteral("cannot write: %1").arg(out.errorString()));
        }
        if (got < 0)
            return fail(archiveError(reader.get()));
    }
    if (status != ARCHIVE_EOF)
        return fail(archiveError(reader.get()));
    if (!found)
        return fail(QStringLiteral("the archive holds no %1").arg(entryPath));
    return {};
}

namespace {
struct WriterDeleter {
    void operator()(archive *writer) const { archive_write_free(writer); }
};
} // namespace

Result<> unpackFolder(const QString &archivePath, const QString &folder, qint64 maxBytes)
{
    std::unique_ptr<archive, ArchiveDeleter> reader(archive_read_new());
    archive_read_support_format_zip(reader.get());
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(),
                                   readBlockBytes) != ARCHIVE_OK)
        return fail(archiveError(reader.get()));
    std::unique_ptr<archive, WriterDeleter> writer(archive_write_disk_new());
    archive_write_disk_set_options(writer.get(), ARCHIVE_EXTRACT_PERM |
                                                     ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                                                     ARCHIVE_EXTRACT_SECURE_NODOTDOT);

    // Each entry's own path was checked to be relative; the folder's is absolute.
    const QByteArray base = QFile::encodeName(folder) + '/';
    qint64 written = 0;
    QSet<QString> seen;
    QString problem;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const QString path = checkedPath(entry, seen, problem);
        const auto type = archive_entry_filetype(entry);
        if (path.isEmpty())
            return fail(problem);
        if (type != AE_IFREG && type != AE_IFDIR)
            return fail(QStringLiteral("the entry %1 is neither a file nor a folder").arg(path));
        archive_entry_set_pathname(entry, (base + archive_entry_pathname(entry)).constData());
        archive_entry_set_perm(entry,
                               type == AE_IFDIR ? 0700 : (archive_entry_perm(entry) & 0700) | 0600);
        if (archive_write_header(writer.get(), entry) != ARCHIVE_OK)
            return fail(archiveError(writer.get()));
        char buffer[readBlockBytes];
        la_ssize_t got = 0;
        while ((got = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0) {
            written += got;
            if (written > maxBytes)
                return fail(
                    QStringLiteral("the archive unpacks to more than %1 bytes").arg(maxBytes));
            if (archive_write_data(writer.get(), buffer, size_t(got)) != got)
                return fail(archiveError(writer.get()));
        }
        if (got < 0)
            return fail(archiveError(reader.get()));
        if (archive_write_finish_entry(writer.get()) != ARCHIVE_OK)
            return fail(archiveError(writer.get()));
    }
    if (status != ARCHIVE_EOF)
        return fail(archiveError(reader.get()));
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        return fail(archiveError(writer.get()));
    return {};
}
