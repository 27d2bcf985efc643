#include "organizer/export_fields.h"

#include "gsm/text_replace.h"
#include "organizer/date_order.h"
#include "organizer/organizer_vocabulary.h"

namespace telvane::organizer {
namespace {

int CategoryNumber(int languageId, const std::string& label) {
  const int index = CategoryIndexOfLabel(languageId, label);
  if (index >= 0) return index;
  for (int i = 0; i < kCategoryCount; ++i) {
    if (label.find(kCategoryKeywords[i]) != std::string::npos) return i;
  }
  return 0;
}

}  // namespace

std::optional<ExportFields> FieldsOfRow(const OrganizerEntry& row, int languageId) {
  const std::optional<CivilTime> date = ParseRowDate(row.date);
  if (!date) return std::nullopt;
  ExportFields fields;
  fields.date = *date;
  fields.time = row.time;
  fields.alarm = row.alarm.empty() ? "0" : "1";
  fields.category = std::to_string(CategoryNumber(languageId, row.category));
  fields.text = row.description;
  for (char& c : fields.text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  gsm::ReplaceAll(fields.text, ",", " ");
  gsm::ReplaceAll(fields.text, ";", " ");
  const int repeat = row.repeat.empty() ? 0 : RepeatKindOfLabel(languageId, row.repeat);
  fields.repeat = std::to_string(repeat < 0 ? 0 : repeat);
  for (char& c : fields.time) {
    if (static_cast<unsigned char>(c) < 0x20 || c == ',' || c == ';') c = ' ';
  }
  return fields;
}

}  // namespace telvane::organizer
