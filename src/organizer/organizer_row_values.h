// The values of an entry as the modify dialog reads them back from a row of the list.
#pragma once

#include <optional>
#include <string_view>

#include "organizer/organizer_entry.h"

namespace telvane::organizer {

struct RowDate {
  int year = 0, month = 0, day = 0;
};
struct RowTime {
  int hour = 0, minute = 0;
};

// "YYYY/MM/DD" split at "/"; none for an empty or malformed column.
std::optional<RowDate> DateOfColumn(std::string_view date);
// "HH:MM" split at ":"; none for an empty or malformed column.
std::optional<RowTime> TimeOfColumn(std::string_view time);

// The category box's index for a row's category text: the label it equals, else the
// index the reader gives the text (the first keyword it contains, else 0).
int CategoryIndexOfColumn(int languageId, std::string_view category);
// The repeat box's index for a row's repeat text: the label it equals; an empty or
// unknown text is a single date (0).
int RepeatKindOfColumn(int languageId, std::string_view repeat);

}  // namespace telvane::organizer
