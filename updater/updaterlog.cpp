#include "updater/updaterlog.h"

namespace {

QString prefix(const char *where, int line)
{
    return QStringLiteral("[UPD] %2 : %1").arg(QString::fromUtf8(where), QString::number(line));
}

} // namespace

QDebug logInfo(const char *where, int line)
{
    return qInfo().noquote() << prefix(where, line);
}

QDebug logWarning(const char *where, int line)
{
    return qWarning().noquote() << prefix(where, line) << "!!! WARNING:";
}

QDebug logError(const char *where, int line)
{
    return qCritical().noquote() << prefix(where, line) << "!!! ERROR:";
}
