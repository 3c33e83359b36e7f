#pragma once

#include <QString>

// A file of tests/data without its "# source:" line.
QString testData(const QString &relativePath);
