#include "toolruns/toolruns.h"

#include <QRegularExpression>

namespace {
constexpr char formatOption[] = "--format";
constexpr char ffmpegOption[] = "--ffmpeg-location";
constexpr char pathOption[] = "--path";

QString formatSelector(uint formatCode)
{
    return QStringLiteral("%1+bestaudio[ext=m4a]/%1+bestaudio/best[ext=mp4]/best[ext=mkv]")
        .arg(formatCode);
}

QString valueOf(const QStringList &arguments, const char *option)
{
    const qsizetype at = arguments.indexOf(QLatin1String(option));
    return at >= 0 ? arguments.value(at + 1) : QString();
}
} // namespace

namespace ToolRuns {

QStringList metadataArguments(const QString &target)
{
    return {QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
            QStringLiteral("--no-warnings"), target};
}

QStringList listingArguments(const QString &target)
{
    return {QStringLiteral("--list-formats"), QStringLiteral("--no-warnings"), target};
}

QStringList downloadArguments(uint formatCode, const QString &toolFolder,
                              const QString &outputFolder, const QString &target)
{
    return {
        QStringLiteral("--no-warnings"),
        QStringLiteral("--no-playlist"),
        QStringLiteral("--force-overwrites"),
        QStringLiteral("--retries"),
        QStringLiteral("1"),
        QStringLiteral("--concurrent-fragments"),
        QStringLiteral("4"),
        QStringLiteral("--output-na-placeholder"),
        QStringLiteral("CLM"),
        QStringLiteral("--trim-filenames"),
        QStringLiteral("100"), // a safety net only: the name below is never that long
        QStringLiteral("--progress-delta"),
        QStringLiteral("1"),
        QStringLiteral("--merge-output-format"),
        QStringLiteral("mp4"),
        QLatin1String(formatOption),
        formatSelector(formatCode),
        QLatin1String(ffmpegOption),
        toolFolder,
        QLatin1String(pathOption),
        outputFolder,
        QStringLiteral("--output"),
        // The title alone is cut, so that every name keeps the resolution and the video
        // ID: a download never replaces a file of another video.
        QStringLiteral("%(title).55B_%(resolution)s_%(id)s.%(ext)s"),
        QStringLiteral("--windows-filenames"),
        target,
    };
}

Kind classify(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.last().startsWith(QLatin1Char('-')))
        return Kind::Other;
    const QString target = arguments.last();
    if (arguments == metadataArguments(target))
        return Kind::Metadata;
    if (arguments == listingArguments(target))
        return Kind::Listing;
    // A download is rebuilt from the values it was given and must come out the same.
    static const QRegularExpression code(QStringLiteral("^(\\d+)\\+"));
    const QRegularExpressionMatch format = code.match(valueOf(arguments, formatOption));
    if (format.hasMatch() && arguments == downloadArguments(format.captured(1).toUInt(),
                                                            valueOf(arguments, ffmpegOption),
                                                            valueOf(arguments, pathOption), target))
        return Kind::Download;
    return Kind::Other;
}

} // namespace ToolRuns
