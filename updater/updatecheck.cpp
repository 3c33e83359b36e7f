#include "updater/updatecheck.h"

#include "updater/addresslookup.h"
#include "updater/updaterdialogs.h"
#include "updater/updaterlog.h"

#include <QMetaEnum>

#include <utility>

namespace {
const char parseErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "JSON parse error");
const char downloadErrorTitle[] = QT_TRANSLATE_NOOP("Updater", "JSON download error");
} // namespace

UpdateCheck::UpdateCheck(AddressLookup *lookup_, const ManifestFetch::Limits &limits,
                         QObject *parent)
    : QObject(parent)
    , lookup(lookup_)
    , fetch(limits)
{
    connect(&fetch, &ManifestFetch::fetched, this, &UpdateCheck::onManifest);
    connect(&fetch, &ManifestFetch::failed, this, [this](const QString &text) {
        emit failed(UpdaterDialogs::translated(downloadErrorTitle), text);
    });
}

void UpdateCheck::start(const QUrl &manifestUrl, uint localVersion_)
{
    UPD_INFO("Updater::State Updater::makeActualCheck(uint, const QString&)");
    localVersion = localVersion_;
    fetch.start(manifestUrl);
}

void UpdateCheck::onManifest(const QByteArray &body)
{
    UPD_INFO("bool Updater::parseJSON()");
    Result<ManifestFields> manifest = readManifest(body);
    if (!manifest) {
        emit failed(UpdaterDialogs::translated(parseErrorTitle), manifest.error());
        return;
    }
    fields = std::move(*manifest);
    if (fields.all || fields.addresses.isEmpty() || !lookup) {
        decide(fields.all);
        return;
    }
    connect(lookup, &AddressLookup::finished, this, &UpdateCheck::onAddress,
            Qt::SingleShotConnection);
    lookup->lookup();
}

void UpdateCheck::onAddress(const QString &address)
{
    // Without an address only an element that is empty or no text matches.
    decide(fields.addresses.contains(address));
}

void UpdateCheck::decide(bool enabled)
{
    UPD_INFO("makeActualCheck") << "isEnabled:" << (enabled ? "true" : "false");
    if (!enabled) {
        finish(UpdaterState::Progress);
        return;
    }
    if (const Result<> releases = readReleases(fields); !releases) {
        emit failed(UpdaterDialogs::translated(parseErrorTitle), releases.error());
        return;
    }
    qInfo().noquote() << "lcl. ver:" << localVersion;
    qInfo().noquote() << "srv. ver:" << fields.latestVersion;
    if (localVersion >= fields.latestVersion) {
        finish(UpdaterState::UpdateNot);
        return;
    }
    if (localVersion < fields.oldVersion) {
        result.kind = UpdateOffer::WebPage;
        result.url = QUrl(fields.oldPath, QUrl::TolerantMode);
    } else {
        result.kind = UpdateOffer::Installer;
        result.url = QUrl(fields.latestPath, QUrl::TolerantMode);
        result.sha256 = fields.latestSha256.trimmed();
    }
    finish(UpdaterState::UpdateYes);
}

void UpdateCheck::finish(UpdaterState::State state)
{
    // Named as the log has always named the states.
    UPD_INFO("makeActualCheck")
        << QStringLiteral("Updater::%1")
               .arg(QLatin1String(QMetaEnum::fromType<UpdaterState::State>().valueToKey(state)));
    emit finished(state);
}
