#include "toolruns/toolruns.h"

#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {
constexpr char formatOption[] = "--format";
constexpr char ffmpegOption[] = "--ffmpeg-location";
constexpr char pathOption[] = "--path";
constexpr char cookiesOption[] = "--cookies-from-browser";
constexpr char audioSelector[] = "bestaudio[ext=m4a]/bestaudio";
constexpr char embedOption[] = "--embed-metadata";
constexpr char subLangsOption[] = "--sub-langs";
constexpr char autoSubsOption[] = "--write-auto-subs";
constexpr char sectionsOption[] = "--download-sections";
constexpr char extractAudioOption[] = "--extract-audio";
constexpr char subtitlesField[] = "%(subtitles)j";
constexpr char captionsField[] = "%(automatic_captions)j";
// What yt-dlp prints for a field it has no value for.
constexpr char noValue[] = "NA";

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

// The options of the choices, in one order, after the plain download's.
QStringList choiceOptions(const ToolRuns::DownloadChoice &choice, bool audio)
{
    QStringList options;
    if (choice.embed) {
        options << QLatin1String(embedOption) << QStringLiteral("--embed-chapters")
                << QStringLiteral("--embed-thumbnail");
    }
    if (!audio && !choice.subtitles.isEmpty()) {
        // Kept as an .srt beside the video only when it cannot go into the file.
        if (choice.automaticSubtitles)
            options << QLatin1String(autoSubsOption);
        options << QLatin1String(subLangsOption) << choice.subtitles
                << QStringLiteral("--convert-subs") << QStringLiteral("srt")
                << QStringLiteral("--embed-subs");
    }
    if (choice.part) {
        options << QLatin1String(sectionsOption)
                << QStringLiteral("*%1-%2").arg(choice.part->startS).arg(choice.part->endS);
    }
    if (audio && choice.mp3) {
        options << QLatin1String(extractAudioOption) << QStringLiteral("--audio-format")
                << QStringLiteral("mp3");
    }
    return options;
}

QStringList download(const QString &selector, const QString &toolFolder,
                     const QString &outputFolder, const QString &target,
                     const QString &cookiesBrowser, const ToolRuns::DownloadChoice &choice,
                     bool audio)
{
    // The title alone is cut, so that every name keeps the resolution (or "audio": the
    // tool's resolution of the sound alone, "audio only", would put a blank in the name) and
    // the video ID: a download never replaces a file of another video. A part is named by
    // its times, so that it never replaces the whole video's file. MP3 is named apart: the
    // tool deletes the sound it converted, which would otherwise be the sound alone's file.
    const QString sound = choice.mp3 ? QStringLiteral("mp3") : QStringLiteral("audio");
    const QString name =
        (audio ? QStringLiteral("%(title).55B_%1_%(id)s").arg(sound)
               : QStringLiteral("%(title).55B_%(resolution)s_%(id)s")) +
        (choice.part ? QStringLiteral("_%(section_start)d-%(section_end)d") : QString()) +
        QStringLiteral(".%(ext)s");
    return forVideo(
        QStringList{
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
            name,
            QStringLiteral("--windows-filenames"),
        } + choiceOptions(choice, audio),
        target, cookiesBrowser);
}

ToolRuns::DownloadChoice choiceOf(const QStringList &arguments)
{
    ToolRuns::DownloadChoice choice;
    choice.embed = arguments.contains(QLatin1String(embedOption));
    choice.subtitles = valueOf(arguments, subLangsOption);
    choice.automaticSubtitles = arguments.contains(QLatin1String(autoSubsOption));
    static const QRegularExpression section(QStringLiteral("^\\*(\\d{1,6})-(\\d{1,6})$"));
    const QRegularExpressionMatch times = section.match(valueOf(arguments, sectionsOption));
    if (times.hasMatch())
        choice.part = ToolRuns::Section{times.captured(1).toInt(), times.captured(2).toInt()};
    choice.mp3 = arguments.contains(QLatin1String(extractAudioOption));
    return choice;
}

QByteArray fieldLine(const QJsonObject &info, const char *key)
{
    const QJsonValue value = info.value(QLatin1String(key));
    if (!value.isObject())
        return QByteArray(noValue) + '\n';
    return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact) + '\n';
}
} // namespace

namespace ToolRuns {

Channel channelFrom(const QString &stored)
{
    if (stored == channelName(Channel::Stable))
        return Channel::Stable;
    if (stored == channelName(Channel::Nightly))
        return Channel::Nightly;
    return Channel::Automatic;
}

QString channelName(Channel channel)
{
    switch (channel) {
    case Channel::Stable:
        return QStringLiteral("stable");
    case Channel::Nightly:
        return QStringLiteral("nightly");
    case Channel::Automatic:
        break;
    }
    return QStringLiteral("automatic");
}

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

QStringList subtitlesArguments(const QString &target, const QString &cookiesBrowser)
{
    return forVideo({QStringLiteral("--print"), QLatin1String(subtitlesField),
                     QStringLiteral("--print"), QLatin1String(captionsField),
                     QStringLiteral("--no-warnings")},
                    target, cookiesBrowser);
}

QByteArray subtitlesOutput(const QJsonObject &info)
{
    return fieldLine(info, "subtitles") + fieldLine(info, "automatic_captions");
}

QStringList downloadArguments(uint formatCode, const QString &toolFolder,
                              const QString &outputFolder, const QString &target,
                              const QString &cookiesBrowser, const DownloadChoice &choice)
{
    return download(formatSelector(formatCode), toolFolder, outputFolder, target, cookiesBrowser,
                    choice, false);
}

QStringList audioDownloadArguments(const QString &toolFolder, const QString &outputFolder,
                                   const QString &target, const QString &cookiesBrowser,
                                   const DownloadChoice &choice)
{
    return download(QLatin1String(audioSelector), toolFolder, outputFolder, target, cookiesBrowser,
                    choice, true);
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
    if (arguments == subtitlesArguments(target, browser))
        return Kind::Subtitles;
    // A download is rebuilt from the values it was given and must come out the same.
    const QString selector = valueOf(arguments, formatOption);
    const QString tools = valueOf(arguments, ffmpegOption);
    const QString folder = valueOf(arguments, pathOption);
    const DownloadChoice choice = choiceOf(arguments);
    if (selector == QLatin1String(audioSelector))
        return arguments == audioDownloadArguments(tools, folder, target, browser, choice)
                   ? Kind::Download
                   : Kind::Other;
    static const QRegularExpression code(QStringLiteral("^(\\d+)\\+"));
    const QRegularExpressionMatch format = code.match(selector);
    if (format.hasMatch() && arguments == downloadArguments(format.captured(1).toUInt(), tools,
                                                            folder, target, browser, choice))
        return Kind::Download;
    return Kind::Other;
}

} // namespace ToolRuns
