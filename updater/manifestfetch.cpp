#include "updater/manifestfetch.h"

#include "updater/updaterdialogs.h"
#include "updater/updaterlog.h"

namespace {
// What the user reads, kept together.
const char failureText[] = QT_TRANSLATE_NOOP("Updater", "%1. \n\nURL: %2");
const char timeoutText[] =
    QT_TRANSLATE_NOOP("Updater", "The update server did not answer within %1 seconds");
const char tooLargeText[] = QT_TRANSLATE_NOOP("Updater", "The manifest is larger than %1 bytes");
} // namespace

ManifestFetch::ManifestFetch(const Limits &limits_, QObject *parent)
    : QObject(parent)
    , limits(limits_)
{
    HttpGet::Limits bounds;
    bounds.maxBytes = limits.maxBytes;
    bounds.stallMs = limits.timeoutMs;
    bounds.deadlineMs = limits.timeoutMs;
    get.setLimits(bounds);
    connect(&get, &HttpGet::finished, this, &ManifestFetch::onFinished);
}

void ManifestFetch::start(const QUrl &url_)
{
    UPD_INFO("bool Updater::downloadJSON()");
    url = url_;
    get.start(url);
}

void ManifestFetch::onFinished(const HttpGet::Reply &result)
{
    if (result.ok()) {
        emit fetched(result.body);
        return;
    }
    QString reason = result.reason;
    switch (result.failure) {
    case HttpGet::Failure::Stalled:
    case HttpGet::Failure::Deadline:
        reason = UpdaterDialogs::translated(timeoutText).arg(limits.timeoutMs / 1000.0);
        break;
    case HttpGet::Failure::TooLarge:
        reason = UpdaterDialogs::translated(tooLargeText).arg(limits.maxBytes);
        break;
    default:
        break;
    }
    emit failed(UpdaterDialogs::translated(failureText).arg(reason, url.toString()));
}
