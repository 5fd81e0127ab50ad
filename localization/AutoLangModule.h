#pragma once

#include <QString>

#include <cstdint>

// The language that follows the system's.
namespace AutoLangModule {

// True while the language follows the system.
inline bool Automatic = false;
// The code last read for the system's language.
inline std::int32_t AutoLangage = 0;

// The text of kAutoLangage for a language ("fr", "de", "fr_CH", ...; empty
// for the system's), from the table in the resources: the decimal code of the
// interface language to use. The table's default text for a language it does
// not list, nothing when the table cannot be read.
QString kAutoLangage(const QString& languageIdentifier = {});

// The code for the system's language, read from kAutoLangage; changes nothing.
std::int32_t SystemLangage();

// The code for the system's language, as a number read from kAutoLangage
// (0 when the text is not a number); stores it in AutoLangage and sets Automatic.
std::int32_t GetAutomaticLangage();

// Refills the preferences' language pop-up (automatic, English, French,
// German, in the language in force) and selects the choice in force.
void SetPrefsLangage();

} // namespace AutoLangModule
