#include "tools/kestrel2/launch.h"

#include "app/identity.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
constexpr int helpTimeoutMs = 60000;
constexpr int cannotExecute = 126;

QString optionsCache()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/%1/%2/kestrel2-options")
               .arg(QLatin1String(Identity::organization), QLatin1String(Identity::name));
}

// Changes whenever the file is replaced or rewritten.
QByteArray fileKey(const QString &path)
{
    const QFileInfo info(path);
    return QFile::encodeName(info.canonicalFilePath()) + ' ' + QByteArray::number(info.size()) +
           ' ' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
}

// Empty answer and false when the yt-dlp could not tell.
bool probe(const QString &ytDlp, QByteArrayList &known)
{
    QProcess help;
    help.start(ytDlp, {QStringLiteral("--help")});
    if (!help.waitForFinished(helpTimeoutMs) || help.exitStatus() != QProcess::NormalExit ||
        help.exitCode() != 0)
        return false;
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    for (const char *option : {Launch::progressDelta, Launch::jsRuntimes}) {
        const QRegularExpression line(QStringLiteral("(^|\\s)%1(\\s|=|,|$)")
                                          .arg(QRegularExpression::escape(QLatin1String(option))),
                                      QRegularExpression::MultilineOption);
        if (line.match(text).hasMatch())
            known.append(option);
    }
    return true;
}
} // namespace

namespace Launch {

QByteArrayList adaptArguments(const QByteArrayList &given, const QByteArrayList &known,
                              const QString &deno)
{
    QByteArrayList passed;
    if (!deno.isEmpty() && known.contains(jsRuntimes))
        passed << QByteArray(jsRuntimes) << "deno:" + QFile::encodeName(deno);
    const bool dropDelta = !known.contains(progressDelta);
    const QByteArray deltaWithValue = QByteArray(progressDelta) + '=';
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QByteArray &argument = given.at(i);
        if (dropDelta && argument == progressDelta) {
            ++i; // its value
            continue;
        }
        if (dropDelta && argument.startsWith(deltaWithValue))
            continue;
        passed.append(argument);
    }
    return passed;
}

QByteArrayList knownOptions(const QString &ytDlp)
{
    const QByteArray key = fileKey(ytDlp);
    QFile cache(optionsCache());
    if (cache.open(QIODevice::ReadOnly)) {
        QByteArrayList lines = cache.readAll().split('\n');
        if (!lines.isEmpty() && lines.takeFirst() == key) {
            lines.removeAll(QByteArray());
            return lines;
        }
        cache.close();
    }
    QByteArrayList known;
    if (!probe(ytDlp, known))
        return known;
    QDir().mkpath(QFileInfo(cache).path());
    QSaveFile save(cache.fileName());
    if (save.open(QIODevice::WriteOnly)) {
        save.write(key + '\n' + known.join('\n') + '\n');
        save.commit();
    }
    return known;
}

bool asksForUpdate(const QByteArrayList &arguments)
{
    for (const QByteArray &argument : arguments) {
        if (argument == "-U" || argument == "--update" || argument.startsWith("--update-to"))
            return true;
    }
    return false;
}

int exec(const QString &ytDlp, const QByteArrayList &arguments)
{
    const QByteArray program = QFile::encodeName(ytDlp);
    QList<char *> argv;
    argv.append(const_cast<char *>(program.constData()));
    for (const QByteArray &argument : arguments)
        argv.append(const_cast<char *>(argument.constData()));
    argv.append(nullptr);
    std::fflush(nullptr);
    ::execv(program.constData(), argv.data());
    std::fprintf(stderr, "ERROR: cannot run %s: %s\n", program.constData(), std::strerror(errno));
    return cannotExecute;
}

} // namespace Launch
