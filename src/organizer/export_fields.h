// The six values the CSV and XML exports write for one organizer row.
#pragma once

#include <optional>
#include <string>

#include "organizer/civil_time.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

struct ExportFields {
  CivilTime date;        // from the date column
  std::string time;      // the time column as shown
  std::string alarm;     // "1" or "0"
  std::string category;  // "0".."3": the label's index, else the first keyword the text
                         // holds (a word the phone sent), else 0
  std::string text;      // the description, "," ";" and control characters as blanks
  std::string repeat;    // "0" for an empty column, else "1".."4" (0 for an unknown label)
};

// Nothing for a row without a valid date: such rows are not exported.
std::optional<ExportFields> FieldsOfRow(const OrganizerEntry& row, int languageId);

}  // namespace telvane::organizer
