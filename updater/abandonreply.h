#pragma once

#include <QNetworkReply>
#include <QPointer>

// Lets go of a request that is no longer wanted: its signals no longer reach owner, it is
// aborted and deleted later, and reply is left empty.
inline void abandonReply(QPointer<QNetworkReply> &reply, QObject *owner)
{
    if (!reply)
        return;
    QNetworkReply *dropped = reply;
    reply = nullptr;
    dropped->disconnect(owner);
    dropped->abort();
    dropped->deleteLater();
}
