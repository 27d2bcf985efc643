// Feeds arbitrary bytes to the organizer's CSV import as a file a user imports: the first
// line as the header, every other line as an entry in each of the three date orders.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "organizer/organizer_csv.h"
#include "organizer/organizer_vocabulary.h"

namespace {

using telvane::organizer::DateFormat;
using telvane::organizer::EntryValues;

// What an imported line may hand to the window: a real date and time, indexes inside the
// tables, a description without control characters (nothing that could break a line of
// the object written to the phone).
void Check(const EntryValues& values) {
  const telvane::organizer::CivilTime time{values.year, values.month, values.day, values.hour,
                                           values.minute};
  if (!telvane::organizer::IsValid(time)) std::abort();
  if (values.category < 0 || values.category >= telvane::organizer::kCategoryCount) std::abort();
  if (values.repeat < 0 || values.repeat >= telvane::organizer::kRepeatKindCount) std::abort();
  for (const char c : values.description) {
    if (static_cast<unsigned char>(c) < 0x20) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const DateFormat formats[] = {DateFormat::FromPicture("dd.MM.yyyy"),
                                DateFormat::FromPicture("M/d/yyyy"),
                                DateFormat::FromPicture(text.substr(0, 10))};
  bool header = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (header) {
      telvane::organizer::IsOrganizerCsvHeader(line);
      header = false;
      continue;
    }
    for (const DateFormat& format : formats) {
      if (const auto values = telvane::organizer::ParseCsvLine(line, format)) Check(*values);
    }
  }
  return 0;
}
