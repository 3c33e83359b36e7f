#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What an update manifest says, read without any network.
struct ManifestFields {
    bool all = false;      // updates on for every machine
    QStringList addresses; // public addresses that receive updates otherwise
    uint latestVersion = 0;
    QString latestPath;
    QString latestSha256; // optional checksum of the latest installer
    uint oldVersion = 0;
    QString oldPath;
    QJsonObject root;
};

// Reads who receives updates; fails when the bytes are no JSON object.
Result<ManifestFields> readManifest(const QByteArray &data);

// Reads the latest and the old release, once the manifest enables this machine; fails
// when a present checksum is no text.
Result<> readReleases(ManifestFields &fields);
