#include "sms/windows/tool_column_titles.h"

namespace telvane::sms {
namespace {

constexpr int kGerman = 7;
constexpr int kSpanish = 10;
constexpr int kFrench = 12;
constexpr int kItalian = 16;
constexpr int kDutch = 19;
constexpr int kNorwegian = 20;
constexpr int kPortuguese = 22;

}  // namespace

std::string_view GroupNameTitle(int languageId) {
  switch (languageId) {
    case kDutch: return "Naam";
    case kSpanish: return "Nombre";
    case kFrench: return "Nom";
    case kNorwegian: return "Navn";
    case kItalian:
    case kPortuguese: return "Nome";
    default: return "Name";
  }
}

std::string_view GroupNumberTitle(int languageId) {
  switch (languageId) {
    case kGerman:
    case kDutch:
    case kNorwegian: return "Nummer";
    case kSpanish:
    case kItalian:
    case kPortuguese: return "Numero";
    case kFrench: return "Num\xE9ro";
    default: return "Number";
  }
}

// As the text column of the SMS list.
std::string_view PredefinedTextTitle(int languageId) {
  switch (languageId) {
    case kSpanish:
    case kItalian: return "Testo";
    case kDutch:
    case kNorwegian: return "Tekst";
    case kPortuguese: return "Texto";
    default: return "Text";
  }
}

std::string_view PredefinedNumberTitle(int languageId) {
  return languageId == kGerman || languageId == kDutch ? "Nr." : "#";
}

}  // namespace telvane::sms
