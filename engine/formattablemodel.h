#pragma once

#include "app/formatrecord.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QList>

// The formats of the current video as a read-only table: type icon, code, resolution,
// size and download icon. It reads the engine's records in place and copies nothing.
class FormatTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The table's columns, left to right.
    enum Column {
        TypeColumn,
        CodeColumn,
        ResolutionColumn,
        SizeColumn,
        DownloadColumn,
        ColumnCount
    };

    explicit FormatTableModel(QObject *parent);

    void setFormats(QHash<uint, FormatRecord> *formats, QList<uint> *viewOrder);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QHash<uint, FormatRecord> *formats = nullptr;
    QList<uint> *viewOrder = nullptr;
    QIcon mediaIcon;
    QIcon downloadIcon;
};

// A size text such as "1.5GiB" in MiB; 0 when it cannot be read.
double sizeToMiB(const QString &size);

// What tells a format apart from others of its resolution, as in "MP4, H.264, 30 fps, HDR10";
// empty when the listing named nothing of it.
QString formatTraits(const FormatRecord &record);
