// What the program takes from the user's environment: the language of its own texts,
// the help file, the short date format (a picture such as "dd.MM.yyyy") and the
// temporary folder.
#pragma once

#include <string>

namespace telvane::config {

inline constexpr int kLangGerman = 7;
inline constexpr int kLangEnglish = 9;
inline constexpr int kLangSpanish = 10;
inline constexpr int kLangFrench = 12;
inline constexpr int kLangItalian = 16;
inline constexpr int kLangDutch = 19;
inline constexpr int kLangNorwegian = 20;
inline constexpr int kLangPortuguese = 22;

// From LC_ALL, LC_MESSAGES, LANG (the first that is set and not empty). Languages the
// program has no texts for, and "C"/"POSIX", give English.
int LanguageIdFromEnvironment();
// The same for a locale name such as "de_DE.UTF-8" or "nb_NO".
int LanguageIdFromLocaleName(const std::string& localeName);

// The row of a table of texts per language laid out German, English, Spanish, French,
// Italian, Dutch, Norwegian, Portuguese (kLanguageTableRows rows); languages without
// texts of their own take the English row.
inline constexpr int kLanguageTableRows = 8;
int LanguageTableRow(int languageId);

// "telvanede.html" for German, "telvane.html" otherwise.
std::string HelpFileName(int languageId);

// The first short date format of the user's locale (LC_ALL, LC_TIME, LANG), as a
// picture of d, M and y letters with one separator.
std::string ShortDateFormatFromEnvironment();
// Converts a C library date format ("%d.%m.%Y", "%m/%d/%y", "%D", "%F") to a picture.
std::string DatePictureFromStrftime(const std::string& format);

// TMPDIR, TMP, TEMP, else /tmp; always ending in "/".
std::string TemporaryFolder();

}  // namespace telvane::config
