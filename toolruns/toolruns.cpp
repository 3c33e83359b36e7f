#include "toolruns/toolruns.h"

#include <QDir>
#include <QRegularExpression>

namespace {
constexpr char formatOption[] = "--format";
constexpr char ffmpegOption[] = "--ffmpeg-location";
constexpr char pathOption[] = "--path";
constexpr char cookiesOption[] = "--cookies-from-browser";
constexpr char audioSelector[] = "bestaudio[ext=m4a]/bestaudio";

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

// The browser goes just before the target, so that every run keeps its first argument.
QStringList forVideo(QStringList options, const QString &target, const QString &cookiesBrowser)
{
    if (!cookiesBrowser.isEmpty())
        options << QLatin1String(cookiesOption) << cookiesBrowser;
    options << target;
    return options;
}

QStringList download(const QString &selector, const QString &toolFolder,
                     const QString &outputFolder, const QString &target,
                     const QString &cookiesBrowser)
{
    return forVideo(
        {
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
            selector,
            QLatin1String(ffmpegOption),
            toolFolder,
            QLatin1String(pathOption),
            ToolRuns::downloadFolderArgument(outputFolder),
            QStringLiteral("--output"),
            // The title alone is cut, so that every name keeps the resolution and the video
            // ID: a download never replaces a file of another video.
            QStringLiteral("%(title).55B_%(resolution)s_%(id)s.%(ext)s"),
            QStringLiteral("--windows-filenames"),
        },
        target, cookiesBrowser);
}
} // namespace

namespace ToolRuns {

const QStringList &cookieBrowsers()
{
    static const QStringList names = {QStringLiteral("firefox"), QStringLiteral("chromium"),
                                      QStringLiteral("chrome"),  QStringLiteral("brave"),
                                      QStringLiteral("edge"),    QStringLiteral("opera"),
                                      QStringLiteral("vivaldi")};
    return names;
}

QStringList metadataArguments(const QString &target, const QString &cookiesBrowser)
{
    return forVideo({QStringLiteral("--get-title"), QStringLiteral("--get-duration"),
                     QStringLiteral("--no-warnings")},
                    target, cookiesBrowser);
}

QStringList listingArguments(const QString &target, const QString &cookiesBrowser)
{
    return forVideo({QStringLiteral("--list-formats"), QStringLiteral("--no-warnings")}, target,
                    cookiesBrowser);
}

QStringList thumbnailArguments(const QString &target, const QString &cookiesBrowser)
{
    return forVideo({QStringLiteral("--get-thumbnail"), QStringLiteral("--no-warnings")}, target,
                    cookiesBrowser);
}

QStringList downloadArguments(uint formatCode, const QString &toolFolder,
                              const QString &outputFolder, const QString &target,
                              const QString &cookiesBrowser)
{
    return download(formatSelector(formatCode), toolFolder, outputFolder, target, cookiesBrowser);
}

QStringList audioDownloadArguments(const QString &toolFolder, const QString &outputFolder,
                                   const QString &target, const QString &cookiesBrowser)
{
    return download(QLatin1String(audioSelector), toolFolder, outputFolder, target, cookiesBrowser);
}

bool toolTakesFolderLiterally(const QString &folder)
{
    // Variables ($NAME, ${NAME}, %NAME% on Windows) and "~" are expanded, the path is
    // normalised and stripped of white space, and each part loses what Windows forbids.
    static const QRegularExpression altered(
        QStringLiteral("[$%~<>:\"|?*\\\\\\x00-\\x1f\\x7f]|[\\s.](/|$)|^\\s|\\s$"),
        QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:(?=/)"));
    QString rest = folder;
    rest.remove(drive);
    return QDir::isAbsolutePath(folder) && QDir::cleanPath(folder) == folder &&
           !altered.match(rest).hasMatch();
}

QString downloadFolderArgument(const QString &folder)
{
    return toolTakesFolderLiterally(folder) ? folder : QStringLiteral(".");
}

QString cookiesBrowserOf(const QStringList &arguments)
{
    return valueOf(arguments, cookiesOption);
}

Kind classify(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.last().startsWith(QLatin1Char('-')))
        return Kind::Other;
    const QString target = arguments.last();
    const QString browser = cookiesBrowserOf(arguments);
    if (!browser.isEmpty() && !cookieBrowsers().contains(browser))
        return Kind::Other;
    if (arguments == metadataArguments(target, browser))
        return Kind::Metadata;
    if (arguments == listingArguments(target, browser))
        return Kind::Listing;
    if (arguments == thumbnailArguments(target, browser))
        return Kind::Thumbnail;
    // A download is rebuilt from the values it was given and must come out the same.
    const QString selector = valueOf(arguments, formatOption);
    const QString tools = valueOf(arguments, ffmpegOption);
    const QString folder = valueOf(arguments, pathOption);
    if (selector == QLatin1String(audioSelector))
        return arguments == audioDownloadArguments(tools, folder, target, browser) ? Kind::Download
                                                                                   : Kind::Other;
    static const QRegularExpression code(QStringLiteral("^(\\d+)\\+"));
    const QRegularExpressionMatch format = code.match(selector);
    if (format.hasMatch() &&
        arguments == downloadArguments(format.captured(1).toUInt(), tools, folder, target, browser))
        return Kind::Download;
    return Kind::Other;
}

} // namespace ToolRuns
