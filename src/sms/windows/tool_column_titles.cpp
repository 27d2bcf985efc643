#include "sms/windows/tool_column_titles.h"

#include "config/locale_info.h"

namespace telvane::sms {

std::string_view GroupNameTitle(int languageId) {
  switch (languageId) {
    case config::kLangDutch: return "Naam";
    case config::kLangSpanish: return "Nombre";
    case config::kLangFrench: return "Nom";
    case config::kLangNorwegian: return "Navn";
    case config::kLangItalian:
    case config::kLangPortuguese: return "Nome";
    default: return "Name";
  }
}

std::string_view GroupNumberTitle(int languageId) {
  switch (languageId) {
    case config::kLangGerman:
    case config::kLangDutch:
    case config::kLangNorwegian: return "Nummer";
    case config::kLangSpanish:
    case config::kLangItalian:
    case config::kLangPortuguese: return "Numero";
    case config::kLangFrench: return "Num\xE9ro";
    default: return "Number";
  }
}

// As the text column of the SMS list.
std::string_view PredefinedTextTitle(int languageId) {
  switch (languageId) {
    case config::kLangSpanish:
    case config::kLangItalian: return "Testo";
    case config::kLangDutch:
    case config::kLangNorwegian: return "Tekst";
    case config::kLangPortuguese: return "Texto";
    default: return "Text";
  }
}

std::string_view PredefinedNumberTitle(int languageId) {
  return languageId == config::kLangGerman || languageId == config::kLangDutch ? "Nr." : "#";
}

}  // namespace telvane::sms
