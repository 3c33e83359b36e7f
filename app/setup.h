#pragma once

#include <QString>

class QSettings;

// Prepares what every start needs: the data folder, the version keys, the staged tools
// and the output folder.
void checkAndSetupFiles();

// Creates the output folder and moves installer files named like it out of the way.
void prepareOutputDir();

// The folder downloads are written to; empty until prepareOutputDir() has run.
const QString &outputDir();

// Writes value under key unless the stored text is already exactly that.
void storeIfChanged(QSettings *settings, const QString &key, const QString &value);
