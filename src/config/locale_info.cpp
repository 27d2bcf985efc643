#include "config/locale_info.h"

#include <langinfo.h>
#include <locale.h>

#include <array>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace telvane::config {
namespace {

std::string FirstSetVariable(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

// "de_DE.UTF-8@euro" gives "de"; "pt_BR" gives "pt".
std::string_view LanguagePart(std::string_view name) {
  return name.substr(0, name.find_first_of("_.@"));
}

std::string_view TerritoryPart(std::string_view name) {
  const auto underscore = name.find('_');
  if (underscore == std::string_view::npos) return {};
  name.remove_prefix(underscore + 1);
  return name.substr(0, name.find_first_of(".@"));
}

// Short date pictures of the languages the program speaks, for systems without the
// locale installed.
std::string FallbackDatePicture(std::string_view localeName) {
  const std::string_view language = LanguagePart(localeName);
  const std::string_view territory = TerritoryPart(localeName);
  if (language == "de" || language == "nb" || language == "nn" || language == "no")
    return "dd.MM.yyyy";
  if (language == "nl" || language == "pt") return "dd-MM-yyyy";
  if (language == "fr" || language == "it" || language == "es") return "dd/MM/yyyy";
  if (language == "en" && territory != "US" && !territory.empty()) return "dd/MM/yyyy";
  return "M/d/yyyy";
}

}  // namespace

int LanguageTableRow(int languageId) {
  switch (languageId) {
    case kLangGerman: return 0;
    case kLangSpanish: return 2;
    case kLangFrench: return 3;
    case kLangItalian: return 4;
    case kLangDutch: return 5;
    case kLangNorwegian: return 6;
    case kLangPortuguese: return 7;
    default: return 1;
  }
}

int LanguageIdFromLocaleName(const std::string& localeName) {
  static constexpr std::array<std::pair<std::string_view, int>, 10> kLanguages{{
      {"de", kLangGerman},
      {"en", kLangEnglish},
      {"es", kLangSpanish},
      {"fr", kLangFrench},
      {"it", kLangItalian},
      {"nl", kLangDutch},
      {"nb", kLangNorwegian},
      {"nn", kLangNorwegian},
      {"no", kLangNorwegian},
      {"pt", kLangPortuguese},
  }};
  const std::string_view language = LanguagePart(localeName);
  for (const auto& [code, id] : kLanguages) {
    if (language == code) return id;
  }
  return kLangEnglish;
}

int LanguageIdFromEnvironment() {
  return LanguageIdFromLocaleName(FirstSetVariable({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

std::string HelpFileName(int languageId) {
  return languageId == kLangGerman ? "telvanede.html" : "telvane.html";
}

std::string DatePictureFromStrftime(const std::string& format) {
  std::string picture;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      picture += format[i];
      continue;
    }
    char code = format[++i];
    while ((code == 'E' || code == 'O' || code == '-' || code == '_' || code == '0') &&
           i + 1 < format.size()) {
      code = format[++i];  // modifiers and flags
    }
    switch (code) {
      case 'd': picture += "dd"; break;
      case 'e': picture += "d"; break;
      case 'm': picture += "MM"; break;
      case 'y': picture += "yy"; break;
      case 'Y': picture += "yyyy"; break;
      case 'D': picture += "MM/dd/yy"; break;
      case 'F': picture += "yyyy-MM-dd"; break;
      case '%': picture += '%'; break;
      default: break;  // weekday names and the like have no place in a short date
    }
  }
  return picture;
}

std::string ShortDateFormatFromEnvironment() {
  const std::string name = FirstSetVariable({"LC_ALL", "LC_TIME", "LANG"});
  if (name.empty() || name == "C" || name == "POSIX") return "M/d/yyyy";
  if (locale_t locale = ::newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(nullptr))) {
    std::string picture = DatePictureFromStrftime(::nl_langinfo_l(D_FMT, locale));
    ::freelocale(locale);
    if (picture.find('d') != std::string::npos && picture.find('M') != std::string::npos &&
        picture.find('y') != std::string::npos) {
      return picture;
    }
  }
  return FallbackDatePicture(name);
}

std::string TemporaryFolder() {
  std::string folder = FirstSetVariable({"TMPDIR", "TMP", "TEMP"});
  if (folder.empty()) folder = "/tmp";
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace telvane::config
