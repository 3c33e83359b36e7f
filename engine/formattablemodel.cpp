#include "engine/formattablemodel.h"

#include "engine/formatparser.h"

namespace {
constexpr QSize mediaIconSize(48, 23);
constexpr QSize downloadIconSize(22, 22);
} // namespace

// Outside any namespace, as the resource macro requires.
static void initIcons()
{
    Q_INIT_RESOURCE(icons);
}

// The table's icons are the engine's own resources, linked in with its static library.
FormatTableModel::FormatTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    initIcons();
    mediaIcon = QIcon(QStringLiteral(":/img/sign_media.svg"));
    downloadIcon = QIcon(QStringLiteral(":/img/sign_download.svg"));
}

void FormatTableModel::setFormats(QHash<uint, FormatRecord> *formats_, QList<uint> *viewOrder_)
{
    beginResetModel();
    formats = formats_;
    viewOrder = viewOrder_;
    endResetModel();
}

// A cell has no children: a table answers 0 for any valid parent.
int FormatTableModel::rowCount(const QModelIndex &parent) const
{
    return viewOrder && !parent.isValid() ? int(viewOrder->size()) : 0;
}

int FormatTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FormatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section == SizeColumn)
        return tr("The size of the video stream; the audio adds to it");
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TypeColumn:
        return tr("Type");
    case CodeColumn:
        return QStringLiteral("ID.");
    case ResolutionColumn:
        return tr("Resolution");
    case SizeColumn:
        return tr("Size");
    case DownloadColumn:
        return QString();
    default:
        return {};
    }
}

QVariant FormatTableModel::data(const QModelIndex &index, int role) const
{
    if (!formats || !viewOrder || !index.isValid() || index.row() >= viewOrder->size() ||
        formats->isEmpty())
        return {};
    const auto record = formats->constFind(viewOrder->at(index.row()));
    if (record == formats->constEnd())
        return {};

    const int column = index.column();
    switch (role) {
    case Qt::UserRole:
        return column == SizeColumn ? QVariant(sizeToMiB(record->size)) : QVariant();
    case Qt::TextAlignmentRole:
        return column == SizeColumn ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::DecorationRole:
        if (column == TypeColumn)
            return mediaIcon.pixmap(mediaIconSize, QIcon::Normal, QIcon::Off);
        if (column == DownloadColumn)
            return downloadIcon.pixmap(downloadIconSize, QIcon::Normal, QIcon::Off);
        return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        // Rows of one resolution differ in what the listing says beside it; the icon-only
        // cells say in words what they are.
        const QString traits = formatTraits(*record);
        const QString shown =
            traits.isEmpty() ? record->resolution : tr("%1, %2").arg(record->resolution, traits);
        if (column == TypeColumn)
            return tr("Video with audio, %1").arg(shown);
        if (column == DownloadColumn)
            return tr("Download %1").arg(shown);
        if (column == SizeColumn && role == Qt::AccessibleTextRole && !record->size.isEmpty())
            return tr("%1, %2").arg(record->size, shown);
        if (column == ResolutionColumn || column == SizeColumn)
            return shown;
        return {};
    }
    case Qt::DisplayRole:
        if (column == CodeColumn)
            return record->code;
        if (column == ResolutionColumn)
            return record->resolution;
        if (column == SizeColumn)
            return record->size;
        return {};
    default:
        return {};
    }
}

double sizeToMiB(const QString &size)
{
    SizeText text = splitSizeText(size);
    if (!text.ok)
        return 0.0;
    if (text.isUnit("GiB"))
        return text.value * 1024.0;
    if (text.isUnit("MiB"))
        return text.value;
    if (text.isUnit("KiB"))
        return text.value * 0.0009765625;
    return text.value;
}

QString formatTraits(const FormatRecord &record)
{
    // The codec families by the names people know them by.
    static const std::pair<const char *, const char *> families[] = {
        {"avc", "H.264"}, {"hev", "H.265"}, {"hvc", "H.265"}, {"vp09", "VP9"},
        {"vp9", "VP9"},   {"vp08", "VP8"},  {"vp8", "VP8"},   {"av01", "AV1"}};
    QString codec;
    for (const auto &[prefix, name] : families) {
        if (record.videoCodec.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) {
            codec = QLatin1String(name);
            break;
        }
    }
    if (codec.isEmpty())
        codec = record.videoCodec.section(QLatin1Char('.'), 0, 0);
    QStringList traits;
    if (!record.container.isEmpty())
        traits.append(record.container.toUpper());
    if (!codec.isEmpty())
        traits.append(codec);
    if (!record.frameRate.isEmpty())
        traits.append(FormatTableModel::tr("%1 fps").arg(record.frameRate));
    if (!record.dynamicRange.isEmpty())
        traits.append(record.dynamicRange);
    return traits.join(FormatTableModel::tr(", "));
}
