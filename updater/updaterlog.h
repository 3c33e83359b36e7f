#pragma once

#include <QDebug>

// The updater's log lines: "[UPD] line : place" and the items, unquoted.
QDebug logInfo(const char *where, int line);
QDebug logWarning(const char *where, int line);
QDebug logError(const char *where, int line);

#define UPD_INFO(where) logInfo(where, __LINE__)
#define UPD_WARNING(where) logWarning(where, __LINE__)
#define UPD_ERROR(where) logError(where, __LINE__)
