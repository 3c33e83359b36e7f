#pragma once

#include <QString>

// Speaks the language from here on: the program's catalogue and Qt's, as the program
// installs them, and the language's number formats; "en" removes the catalogues.
void speak(const QString &language);
