#pragma once

#include <QString>

// "[line] signature :", naming where a log line comes from.
QString logTag(const char *signature, int line);

#define CLM_TAG logTag(Q_FUNC_INFO, __LINE__)
