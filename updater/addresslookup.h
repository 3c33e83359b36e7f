#pragma once

#include "net/httpget.h"

#include <QObject>
#include <QStringList>

// Finds this machine's public address by asking lookup services one after the other,
// and keeps the first address found for the object's life.
class AddressLookup : public QObject {
    Q_OBJECT

public:
    enum class Order { Shuffled, AsGiven };

    explicit AddressLookup(QObject *parent = nullptr);

    // The services to ask and how long each may take; by default the configured ones,
    // in a new random order for every lookup, 3 s each.
    void setServices(const QStringList &urls, Order order);
    void setTimeoutMs(int ms) { timeoutMs = ms; }

    QString cached() const { return address; }
    bool isRunning() const { return !pending.isEmpty() || get.isRunning(); }

    // Answers with finished(): at once from the cache, otherwise after the services.
    void lookup();

signals:
    // The address, or empty text when no service gave one.
    void finished(const QString &address);

private:
    void tryNext();
    void onAnswer(const HttpGet::Reply &result);
    void giveUp(const QString &reason);

    QStringList services;
    Order order = Order::Shuffled;
    int timeoutMs = 3000;
    QString address;
    QStringList pending;
    QString current;
    HttpGet get;
};
