#include "engine/progressparser.h"

#include <QStringList>
#include <QtNumeric>

std::optional<int> parseProgress(const QString &chunk)
{
    const QString marker = QStringLiteral("[download]");
    const QStringList parts = chunk.split(QLatin1Char('\n'));
    for (const QString &part : parts) {
        const QString text = part.simplified();
        const qsizetype percentSign = text.indexOf(QLatin1Char('%'));
        if (!text.startsWith(marker) || percentSign < 0)
            continue;

        QString number = text.left(percentSign);
        number.remove(marker);
        bool ok = false;
        double value = number.trimmed().toDouble(&ok);
        if (!ok || !qIsFinite(value) || value < 0)
            value = 0;
        // At 99 % the tool is as good as done; what remains is merging and moving.
        if (value >= 99.0)
            return 100;
        return int(value);
    }
    return std::nullopt;
}
