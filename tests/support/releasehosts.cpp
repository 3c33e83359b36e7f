#include "tests/support/releasehosts.h"

#include "platform/platform.h"
#include "tests/support/offlinesite.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QSysInfo>
#include <QTcpServer>

namespace {
const QString nginxProgram = QStringLiteral("/usr/sbin/nginx");
const QString releaseAddress = QStringLiteral("127.0.0.1");
const QString objectAddress = QStringLiteral("127.0.0.2");
constexpr int certificateDays = 2;
constexpr int toolTimeoutMs = 30000;
constexpr int pollMs = 10;

quint16 freePort(const QString &address)
{
    QTcpServer probe;
    return probe.listen(QHostAddress(address)) ? probe.serverPort() : 0;
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

ReleaseHosts::ReleaseHosts()
{
    nginx.setProgram(nginxProgram);
    nginx.setProcessChannelMode(QProcess::MergedChannels);
    Platform::dieWithParent(nginx);
}

ReleaseHosts::~ReleaseHosts()
{
    stop();
}

bool ReleaseHosts::start(Transport kind)
{
    transport = kind;
    if (!dir.isValid() || !QDir(dir.path()).mkpath(QStringLiteral("temp"))) {
        failure = QStringLiteral("no temporary folder");
        return false;
    }
    if (transport == Transport::Https && !makeCertificates())
        return false;
    for (int attempt = 0; attempt < startAttempts; ++attempt) {
        releasePort = freePort(releaseAddress);
        objectPort = freePort(objectAddress);
        if (releasePort == 0 || objectPort == 0) {
            failure = QStringLiteral("no free port on ") + releaseAddress + QStringLiteral(" or ") +
                      objectAddress;
            return false;
        }
        if (runNginx())
            return true;
        if (!failure.contains(QLatin1String("Address already in use")))
            return false;
    }
    return false;
}

bool ReleaseHosts::run(const QString &program, const QString &arguments)
{
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments.split(QLatin1Char(' ')));
    if (tool.waitForFinished(toolTimeoutMs) && tool.exitStatus() == QProcess::NormalExit &&
        tool.exitCode() == 0)
        return true;
    failure = program + QStringLiteral(" failed: ") + QString::fromUtf8(tool.readAll());
    return false;
}

bool ReleaseHosts::makeCertificates()
{
    const QString newKey =
        QStringLiteral(
            "req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days %1 ")
            .arg(certificateDays);
    return run(QStringLiteral("openssl"),
               newKey + QStringLiteral("-subj /CN=Clipmoor-test-CA -keyout ca.key -out ca.pem")) &&
           run(QStringLiteral("openssl"),
               newKey + QStringLiteral("-subj /CN=%1 -CA ca.pem -CAkey ca.key -keyout server.key "
                                       "-out server.pem -addext subjectAltName=IP:%1,IP:%2 -addext "
                                       "basicConstraints=critical,CA:FALSE -addext "
                                       "extendedKeyUsage=serverAuth")
                            .arg(releaseAddress, objectAddress));
}

bool ReleaseHosts::runNginx()
{
    // The configuration names its files relative to the folder, nginx's prefix.
    const QString pidFile = dir.filePath(QStringLiteral("nginx.pid"));
    const QString errorLog = dir.filePath(QStringLiteral("error.log"));
    QFile conf(dir.filePath(QStringLiteral("nginx.conf")));
    if (!conf.open(QIODevice::WriteOnly) || conf.write(config().toUtf8()) < 0) {
        failure = QStringLiteral("cannot write ") + conf.fileName();
        return false;
    }
    conf.close();
    QFile::remove(pidFile);
    QFile::remove(errorLog);
    nginx.setArguments({QStringLiteral("-p"), dir.path() + QLatin1Char('/'), QStringLiteral("-e"),
                        errorLog, QStringLiteral("-c"), conf.fileName()});
    nginx.start();
    // nginx writes its pid file once it listens.
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!QFile::exists(pidFile)) {
        if (nginx.state() == QProcess::NotRunning || deadline.hasExpired()) {
            stop();
            // Before it reads the configuration, nginx speaks only on its standard error.
            const QString log = readText(errorLog);
            failure = QStringLiteral("nginx did not start: ") +
                      (log.isEmpty() ? QString::fromUtf8(nginx.readAll()) : log);
            return false;
        }
        nginx.waitForFinished(pollMs);
    }
    return true;
}

void ReleaseHosts::stop()
{
    if (nginx.state() == QProcess::NotRunning)
        return;
    nginx.terminate();
    if (!nginx.waitForFinished(stopTimeoutMs)) {
        nginx.kill();
        nginx.waitForFinished(stopTimeoutMs);
    }
}

QString ReleaseHosts::url(const QString &address, quint16 port, const QString &path) const
{
    return QStringLiteral("%1://%2:%3%4")
        .arg(transport == Transport::Https ? QLatin1String("https") : QLatin1String("http"),
             address, QString::number(port), path);
}

QString ReleaseHosts::config() const
{
    const bool tls = transport == Transport::Https;
    const QString tlsSettings =
        QStringLiteral("  ssl_protocols TLSv1.2 TLSv1.3;\n  ssl_certificate "
                       "server.pem; ssl_certificate_key server.key;\n");
    QString release, object;
    for (auto asset = assets.cbegin(); asset != assets.cend(); ++asset) {
        const QString objectPath = QStringLiteral("/release-asset/%1").arg(asset->id);
        if (latestTags.value(asset->repo) == asset->tag)
            release +=
                QStringLiteral(
                    "    location = /%1/releases/latest/download/%2 { return 302 %3; }\n")
                    .arg(asset->repo, asset->name, url(releaseAddress, releasePort, asset.key()));
        // The object store's address is signed and names the file only in its query.
        const QString query = QStringLiteral("?sp=r&sig=") + QString::number(asset->id) +
                              QStringLiteral("&rscd=attachment%3B+filename%3D") + asset->name;
        release += QStringLiteral("    location = %1 { return 302 %2; }\n")
                       .arg(asset.key(), url(objectAddress, objectPort, objectPath + query));
        object +=
            QStringLiteral("    location = %1 { alias \"%2\"; limit_rate %3; add_header "
                           "Content-Disposition \"attachment; filename=%4\"; }\n")
                .arg(objectPath, asset->file, QString::number(asset->bytesPerSecond), asset->name);
    }
    return QStringLiteral(
               "daemon off; master_process off; pid nginx.pid;\n"
               "events {}\n"
               "http {\n"
               "  log_format hosts '$server_addr:$server_port $status $server_protocol "
               "$request_uri';\n"
               "  access_log access.log hosts;\n"
               "  client_body_temp_path temp; proxy_temp_path temp; fastcgi_temp_path temp;\n"
               "  uwsgi_temp_path temp; scgi_temp_path temp;\n"
               "  types {} default_type application/octet-stream;\n"
               "%8"
               "  server {\n    listen %1:%2%3;\n    location / { return 404; }\n%4  }\n"
               "  server {\n    listen %5:%6%3;\n    location / { return 404; }\n%7  }\n"
               "}\n")
        .arg(releaseAddress, QString::number(releasePort),
             tls ? QStringLiteral(" ssl http2") : QString(), release, objectAddress,
             QString::number(objectPort), object, tls ? tlsSettings : QString());
}

bool ReleaseHosts::publish(const QString &repo, const QString &tag, const QString &asset,
                           const QByteArray &bytes, qint64 bytesPerSecond)
{
    QFile file(dir.filePath(QStringLiteral("asset-%1").arg(++published)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        failure = QStringLiteral("cannot write ") + file.fileName();
        return false;
    }
    file.close();
    return publishFile(repo, tag, asset, file.fileName(), bytesPerSecond);
}

bool ReleaseHosts::publishFile(const QString &repo, const QString &tag, const QString &asset,
                               const QString &file, qint64 bytesPerSecond)
{
    if (!QFileInfo(file).isReadable()) {
        failure = QStringLiteral("cannot read ") + file;
        return false;
    }
    latestTags.insert(repo, tag);
    assets.insert(
        QStringLiteral("/%1/releases/download/%2/%3").arg(repo, tag, asset),
        {repo, tag, asset, ++published, QFileInfo(file).absoluteFilePath(), bytesPerSecond});
    if (nginx.state() == QProcess::NotRunning)
        return true;
    stop();
    return runNginx();
}

QString ReleaseHosts::releaseBase(const QString &repo) const
{
    return url(releaseAddress, releasePort,
               QLatin1Char('/') + repo + QStringLiteral("/releases/latest/download"));
}

QString ReleaseHosts::caFile() const
{
    return dir.filePath(QStringLiteral("ca.pem"));
}

QList<ReleaseHosts::Request> ReleaseHosts::requests() const
{
    QList<Request> list;
    const QStringList lines = readText(dir.filePath(QStringLiteral("access.log")))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields.size() == 4)
            list.append({fields.at(0), fields.at(3).section(QLatin1Char('?'), 0, 0),
                         fields.at(1).toInt(), fields.at(2)});
    }
    return list;
}

namespace {
bool onArm()
{
    return QSysInfo::currentCpuArchitecture() == QLatin1String("arm64");
}

QByteArray sumLine(const QString &file, const QString &asset)
{
    QFile content(file);
    if (!content.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(content.readAll(), QCryptographicHash::Sha256).toHex() + "  " +
           asset.toUtf8() + '\n';
}
} // namespace

QString ytDlpAssetName()
{
    return onArm() ? QStringLiteral("yt-dlp_linux_aarch64") : QStringLiteral("yt-dlp_linux");
}

QString denoAssetName()
{
    return onArm() ? QStringLiteral("deno-aarch64-unknown-linux-gnu.zip")
                   : QStringLiteral("deno-x86_64-unknown-linux-gnu.zip");
}

bool publishYtDlp(ReleaseHosts &hosts, const QString &version, qint64 bytesPerSecond, bool unpacked)
{
    const QString repo = QStringLiteral("yt-dlp/yt-dlp");
    const QString file = testRelease("yt-dlp-") + version;
    const QString zip = file + QStringLiteral(".zip");
    const QString zipName = ytDlpAssetName() + QStringLiteral(".zip");
    // The real sums name every build; this machine's comes among others.
    QByteArray sums = QByteArray(64, 'a') + "  yt-dlp\n" + sumLine(file, ytDlpAssetName()) +
                      QByteArray(64, 'b') + "  yt-dlp_macos.zip\n";
    if (unpacked && !(hosts.publishFile(repo, version, zipName, zip, bytesPerSecond)))
        return false;
    if (unpacked)
        sums += sumLine(zip, zipName);
    return hosts.publishFile(repo, version, ytDlpAssetName(), file, bytesPerSecond) &&
           hosts.publish(repo, version, QStringLiteral("SHA2-256SUMS"), sums);
}

bool publishDeno(ReleaseHosts &hosts, qint64 bytesPerSecond)
{
    const QString repo = QStringLiteral("denoland/deno");
    const QString tag = QStringLiteral("v2.5.0");
    const QString file = testRelease("deno-2.5.0.zip");
    return hosts.publishFile(repo, tag, denoAssetName(), file, bytesPerSecond) &&
           hosts.publish(repo, tag, denoAssetName() + QStringLiteral(".sha256sum"),
                         sumLine(file, denoAssetName()));
}
