#include "engine/formattablemodel.h"

#include "engine/formatparser.h"

FormatTableModel::FormatTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , mediaIcon(QStringLiteral(":/img/sign_media"))
    , downloadIcon(QStringLiteral(":/img/sign_download"))
{
}

void FormatTableModel::setFormats(QHash<uint, FormatRecord> *formats_, QList<uint> *viewOrder_)
{
    beginResetModel();
    formats = formats_;
    viewOrder = viewOrder_;
    endResetModel();
}

int FormatTableModel::rowCount(const QModelIndex &) const
{
    return viewOrder ? int(viewOrder->size()) : 0;
}

int FormatTableModel::columnCount(const QModelIndex &) const
{
    return 5;
}

QVariant FormatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return QStringLiteral("Type");
    case 1:
        return QStringLiteral("ID.");
    case 2:
        return QStringLiteral("Resolution");
    case 3:
        return QStringLiteral("Size");
    case 4:
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
        return column == 3 ? QVariant(sizeToMiB(record->size)) : QVariant();
    case Qt::TextAlignmentRole:
        return column == 3 ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::DecorationRole:
        if (column == 0)
            return mediaIcon.pixmap(QSize(48, 23), QIcon::Normal, QIcon::Off);
        if (column == 4)
            return downloadIcon.pixmap(QSize(22, 22), QIcon::Normal, QIcon::Off);
        return {};
    case Qt::DisplayRole:
        if (column == 1)
            return record->code;
        if (column == 2)
            return record->resolution;
        if (column == 3)
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
