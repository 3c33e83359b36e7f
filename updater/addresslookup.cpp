#include "updater/addresslookup.h"

#include "updater/updaterconfig.h"
#include "updater/updaterlog.h"

#include <QHostAddress>
#include <QRandomGenerator64>

#include <algorithm>

namespace {
// An address is a few dozen bytes; anything longer is no address.
constexpr qint64 maxAnswerBytes = 256;
} // namespace

AddressLookup::AddressLookup(QObject *parent)
    : QObject(parent)
    , services(UpdaterConfig::addressLookupUrls())
{
    connect(&get, &HttpGet::finished, this, &AddressLookup::onAnswer);
}

void AddressLookup::setServices(const QStringList &urls, Order order_)
{
    services = urls;
    order = order_;
}

void AddressLookup::lookup()
{
    if (!address.isEmpty()) {
        emit finished(address);
        return;
    }
    if (isRunning())
        return; // the running lookup answers
    pending = services;
    if (order == Order::Shuffled)
        std::shuffle(pending.begin(), pending.end(), *QRandomGenerator64::global());
    tryNext();
}

void AddressLookup::tryNext()
{
    if (pending.isEmpty()) {
        UPD_WARNING("QString Updater::getPublicIP()")
            << "Failed to retrieve public IP from all services";
        emit finished(QString());
        return;
    }
    current = pending.takeFirst();
    UPD_INFO("operator()") << current;
    HttpGet::Limits limits;
    limits.maxBytes = maxAnswerBytes;
    limits.stallMs = timeoutMs;
    limits.deadlineMs = timeoutMs;
    get.setLimits(limits);
    get.start(QUrl(current));
}

void AddressLookup::onAnswer(const HttpGet::Reply &result)
{
    if (!result.ok()) {
        giveUp(result.reason);
        return;
    }
    const QString answer = QString::fromUtf8(result.body).trimmed();
    if (answer.isEmpty() || QHostAddress(answer).isNull()) {
        giveUp(QStringLiteral("the answer is no address"));
        return;
    }
    address = answer;
    UPD_INFO("getPublicIP") << ":" << address;
    emit finished(address);
}

void AddressLookup::giveUp(const QString &reason)
{
    UPD_WARNING("Updater::getPublicIP()::<lambda(const QString&, int)>")
        << "failed to get external IP from" << current << ":" << reason;
    tryNext();
}
