#include "engine/metadataparser.h"

#include <QStringList>

Metadata parseMetadata(const QString &output)
{
    Metadata result;
    const QStringList parts = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (parts.size() < 2) {
        result.status = Metadata::TooFewLines;
        return result;
    }

    // The answer is the last two lines; anything printed before them is ignored.
    const QStringList fields = parts.last().trimmed().split(QLatin1Char(':'));
    quint32 value[3] = {0, 0, 0};
    if (fields.size() > 3) {
        result.status = Metadata::BadDuration;
        return result;
    }
    for (int i = 0; i < fields.size(); ++i) {
        bool ok = false;
        const quint32 number = fields.at(i).toUInt(&ok, 10);
        value[i] = ok ? number : 0;
    }
    quint32 seconds = 0;
    switch (fields.size()) {
    case 1:
        seconds = value[0];
        break;
    case 2:
        seconds = value[0] * 60u + value[1];
        break;
    default:
        seconds = value[0] * 3600u + value[1] * 60u + value[2];
        break;
    }

    result.duration = QTime(0, 0).addSecs(int(seconds % 86400u));
    result.title = parts.at(parts.size() - 2).trimmed();
    return result;
}
