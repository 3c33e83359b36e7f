#include "engine/metadataparser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

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

QList<SubtitleLanguage> parseSubtitleLanguages(const QByteArray &output)
{
    // Codes such as "en", "pt-BR" or "zh-Hans": the value goes to the tool as an option's.
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{1,8})*$"));
    QList<SubtitleLanguage> languages;
    const QList<QByteArray> lines = output.split('\n');
    for (int kind = 0; kind < 2 && kind < lines.size(); ++kind) {
        const QJsonObject offered = QJsonDocument::fromJson(lines.at(kind)).object();
        for (auto it = offered.begin(); it != offered.end(); ++it) {
            const SubtitleLanguage language{it.key(), kind == 1};
            const bool known =
                std::any_of(languages.cbegin(), languages.cend(),
                            [&](const SubtitleLanguage &seen) { return seen.code == it.key(); });
            if (!known && code.match(it.key()).hasMatch() && !it->toArray().isEmpty())
                languages.append(language);
        }
    }
    return languages;
}

std::optional<int> parseClockTime(const QString &text)
{
    static const QRegularExpression clock(
        QStringLiteral("^(?:(?:(\\d{1,3}):)?(\\d{1,2}):)?(\\d{1,2})$"));
    const QRegularExpressionMatch match = clock.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).toInt();
    // Past the first field, minutes and seconds stay below 60.
    if (seconds >= 60 && !match.captured(2).isEmpty())
        return std::nullopt;
    if (minutes >= 60 && !match.captured(1).isEmpty())
        return std::nullopt;
    return (hours * 60 + minutes) * 60 + seconds;
}

QString clockTime(int seconds)
{
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString rest = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(rest);
    return QStringLiteral("%1:%2").arg(minutes).arg(rest);
}
