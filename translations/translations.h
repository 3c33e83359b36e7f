#pragma once

#include <QLocale>

// The program's texts and Qt's own in the user's language, when a catalogue for it exists;
// otherwise everything stays in English.
namespace Translations {

// Installs the catalogues for the locale on the application; returns whether the
// program's own catalogue was found.
bool install(const QLocale &locale = QLocale());

} // namespace Translations
