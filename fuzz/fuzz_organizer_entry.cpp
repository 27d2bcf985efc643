// Feeds arbitrary decoded vCalendar texts to the organizer's entry parser. The first byte
// picks the language; the row must read back into the values an entry is written with,
// and the object built from them must carry the same date and time and no control
// character but its line ends.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "organizer/organizer_reading.h"
#include "organizer/organizer_row_values.h"
#include "organizer/organizer_writing.h"

namespace {

constexpr int kLanguages[] = {7, 9, 10, 12, 16, 19, 20, 22};

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace telvane::organizer;
  const int language = kLanguages[data[0] % 8];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const OrganizerEntry row = ParseEntryText(text, 1, language);
  Check(row.description.find_first_of("\r\n") == std::string_view::npos);
  const auto date = DateOfColumn(row.date);
  const auto time = TimeOfColumn(row.time);
  Check(date.has_value() == !row.date.empty() && time.has_value() == !row.time.empty());

  EntryValues values;
  values.category = CategoryIndexOfColumn(language, row.category);
  values.repeat = RepeatKindOfColumn(language, row.repeat);
  Check(values.category >= 0 && values.category < 4 && values.repeat >= 0 && values.repeat < 5);
  values.alarm = !row.alarm.empty();
  if (date && time) {
    values.year = date->year;
    values.month = date->month;
    values.day = date->day;
    values.hour = time->hour;
    values.minute = time->minute;
  }
  values.description = row.description;
  const std::string object = BuildEntryObject(values);
  for (const char c : object) {
    const auto byte = static_cast<unsigned char>(c);
    Check(byte >= 0x20 || c == '\r' || c == '\n');
  }
  const OrganizerEntry again = ParseEntryText(object, 1, language);
  if (date && time) Check(again.date == row.date && again.time == row.time);
  Check(again.description == PhoneDescription(row.description));
  return 0;
}
