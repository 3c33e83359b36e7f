#pragma once

#include <QString>

// Speaks the language from here on: the program's catalogue and Qt's, as the program
// installs them, and the language's number formats; "en" removes the catalogues.
// Returns whether the program has a catalogue for the language ("en" needs none).
bool speak(const QString &language);
