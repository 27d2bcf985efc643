#include "organizer/organizer_vocabulary.h"

#include "config/locale_info.h"

namespace telvane::organizer {
namespace {

// Tables are laid out German, English, Spanish, French, Italian, Dutch, Norwegian,
// Portuguese.
constexpr int kLanguageCount = config::kLanguageTableRows;
using Row = std::array<std::string_view, kLanguageCount>;

constexpr std::array<Row, kColumnCount> kColumnTitles = {{
    {"Nr.", "#", "Nr.", "Nr.", "Nr.", "Nr.", "#", "#"},
    {"Typ", "Type", "Tipo", "Type", "Tipo", "Type", "Type", "Tipo"},
    {"Alarm", "Alarm", "Alarm", "Alarme", "Alarm", "Alarm", "Alarm", "Alarme"},
    {"Datum", "Date", "Data", "Date", "Data", "Datum", "Dato", "Data"},
    {"Zeit", "Time", "Time", "Time", "Ora", "Tijd", "Time", "Tempo"},
    {"Kategorie", "Category", "Categoria", "Category", "Categoria", "Categorie", "Kategori",
     "Categoria"},
    {"Beschreibung", "Description", "Descrizione", "Description", "Descrizione", "Omschrijving",
     "Beskrivelse", "Descrip\xE7\xE3o"},
}};

constexpr std::array<Row, kCategoryCount> kCategoryLabels = {{
    {"Geburtstag", "ANNIVERSARY", "Aniversario", "Anniversaire", "Anniversario", "Verjaardag",
     "F\xD8"
     "DSELSDAG",
     "ANIVERSARIO"},
    {"Meeting", "MEETING", "Reuni\xF3n", "Reunion", "Meeting", "Afspraak", "M\xD8TE", "ENCONTRO"},
    {"Diverse", "MISCELLANEOUS", "Varios", "Memo", "Vari", "Diversen", "MEMO", "DIVERSOS"},
    {"Anruf", "PHONE CALL", "Llamar", "Appel", "Chiama", "Oproep", "RING", "PHONE CALL"},
}};

constexpr std::array<Row, kRepeatKindCount> kRepeatLabels = {{
    {"Datum", "Date", "Fecha", "Date", "Data", "Datum", "Dato", "Data"},
    {"T\xE4glich", "Daily", "Diaria", "Journalier", "Giornaliero", "Dagelijk", "Daglig",
     "Di\xE1rio"},
    {"W\xF6"
     "chentlich",
     "Weekly", "Semanal", "Hebdomadaire", "Settimanale", "Wekelijks", "Ukentlig", "Semanal"},
    {"Monatlich", "Monthly", "Monthly", "Monthly", "Mensile", "Monthly", "Monthly", "Monthly"},
    {"J\xE4hrlich", "Yearly", "Anual", "Annuel", "Annuale", "Jaarlijks", "\xC5rlig", "Anual"},
}};

template <std::size_t N>
std::string_view Lookup(const std::array<Row, N>& table, int languageId, int index) {
  if (index < 0 || index >= static_cast<int>(N)) return {};
  return table[static_cast<std::size_t>(index)]
              [static_cast<std::size_t>(config::LanguageTableRow(languageId))];
}

template <std::size_t N>
int IndexOf(const std::array<Row, N>& table, int languageId, std::string_view label) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i][static_cast<std::size_t>(config::LanguageTableRow(languageId))] == label) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

std::string_view ColumnTitle(int languageId, int column) {
  return Lookup(kColumnTitles, languageId, column);
}

std::string_view CategoryLabel(int languageId, int index) {
  return Lookup(kCategoryLabels, languageId, index);
}

std::string_view RepeatLabel(int languageId, int kind) {
  return Lookup(kRepeatLabels, languageId, kind);
}

int CategoryIndexOfLabel(int languageId, std::string_view label) {
  return IndexOf(kCategoryLabels, languageId, label);
}

int RepeatKindOfLabel(int languageId, std::string_view label) {
  return IndexOf(kRepeatLabels, languageId, label);
}

}  // namespace telvane::organizer
