#pragma once

#include "updater/manifestfetch.h"
#include "updater/manifestreader.h"
#include "updater/updaterstate.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class AddressLookup;

// What an offer asks of the user: a web page to open, an installer to download, or an
// update through the system's package manager.
struct UpdateOffer {
    enum Kind { None = 0, WebPage = 1, Installer = 2, PackageManager = 3 };
    Kind kind = None;
    QUrl url;
    QString sha256; // of the installer; empty when the manifest gives none
};

// One check: fetches and reads the manifest, looks up this machine's address when the
// manifest lists addresses, and compares versions. Deleting it drops the check.
class UpdateCheck : public QObject {
    Q_OBJECT

public:
    UpdateCheck(AddressLookup *lookup, const ManifestFetch::Limits &limits,
                QObject *parent = nullptr);

    void start(const QUrl &manifestUrl, uint localVersion);

    // Valid after finished(UpdateYes).
    UpdateOffer offer() const { return result; }

signals:
    // UpdateYes, UpdateNot, or Progress when updates are not on for this machine.
    void finished(UpdaterState::State result);
    void failed(const QString &title, const QString &text);

private:
    void onManifest(const QByteArray &body);
    void onAddress(const QString &address);
    void decide(bool enabled);
    void finish(UpdaterState::State state);

    QPointer<AddressLookup> lookup;
    ManifestFetch fetch;
    uint localVersion = 0;
    ManifestFields fields;
    UpdateOffer result;
};
