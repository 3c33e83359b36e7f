#include "app/logtag.h"

QString logTag(const char *signature, int line)
{
    return QStringLiteral("[%2] %1 :").arg(QString::fromUtf8(signature), QString::number(line));
}
