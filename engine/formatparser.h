#pragma once

#include "app/formatrecord.h"

#include <QHash>
#include <QList>
#include <QString>

// The formats of a "--list-formats" answer worth offering, at most eleven, largest first.
struct FormatList {
    QHash<uint, FormatRecord> formats;
    QList<uint> viewOrder;
    // The size in bytes of every listed format that has one, audio included.
    QHash<uint, qint64> sizes;
    bool audioOnly = false; // the sound is also offered alone
};

inline constexpr int maxOfferedFormats = 11;

FormatList parseFormatList(const QString &output);

// A size text such as "1.5GiB" in bytes; 0 when it cannot be read.
qint64 sizeToBytes(const QString &size);

// A size text taken apart: its digits and points as a number, everything else as unit.
struct SizeText {
    double value = 0;
    bool ok = false;
    QString unit;
    bool isUnit(const char *name) const
    {
        return unit.contains(QLatin1String(name), Qt::CaseInsensitive);
    }
};

SizeText splitSizeText(const QString &size);
