#include "organizer/organizer_reading.h"

#include <cstdio>
#include <optional>

#include "base/decimal.h"
#include "objects/binary_object.h"
#include "organizer/organizer_vocabulary.h"

namespace telvane::organizer {
namespace {

// The text after `key` up to the line end (CR or LF); none when the key is missing or
// the value runs to the end of the text without a line end.
std::optional<std::string_view> LineValue(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view rest = text.substr(at + key.size());
  const std::size_t end = rest.find_first_of("\r\n");
  if (end == std::string_view::npos) return std::nullopt;
  return rest.substr(0, end);
}

// The value after `key` to the line end or the end of the text.
std::optional<std::string_view> ValueToEnd(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view rest = text.substr(at + key.size());
  return rest.substr(0, rest.find_first_of("\r\n"));
}

// YYYYMMDD "T" HHMM and anything after; date and time columns, or nothing.
void SetStart(std::string_view value, OrganizerEntry& row) {
  if (value.size() < 13 || value[8] != 'T') return;
  const std::string_view date = value.substr(0, 8), time = value.substr(9, 4);
  if (!base::AllDigits(date) || !base::AllDigits(time)) return;
  const int month = base::DigitsValue(date.substr(4, 2)).value_or(0),
            day = base::DigitsValue(date.substr(6, 2)).value_or(0);
  const int hour = base::DigitsValue(time.substr(0, 2)).value_or(0),
            minute = base::DigitsValue(time.substr(2, 2)).value_or(0);
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59) return;
  row.date = std::string(date.substr(0, 4)) + "/" + std::string(date.substr(4, 2)) + "/" +
             std::string(date.substr(6, 2));
  row.time = std::string(time.substr(0, 2)) + ":" + std::string(time.substr(2, 2));
}

int RepeatKindOfRule(std::string_view rule) {
  if (rule.empty()) return 0;
  switch (rule.front()) {
    case 'D': return 1;
    case 'W': return 2;
    case 'M': return 3;
    case 'Y': return 4;
    default: return 0;
  }
}

}  // namespace

int CategoryIndexOfValue(std::string_view value) {
  for (int i = 0; i < kCategoryCount; ++i) {
    if (value.find(kCategoryKeywords[static_cast<std::size_t>(i)]) != std::string_view::npos) {
      return i;
    }
  }
  return 0;
}

OrganizerEntry ParseEntryText(std::string_view text, int slot, int languageId) {
  OrganizerEntry row;
  row.slot = slot;
  row.state = SlotState::kOccupied;
  if (text.find("DALARM:") != std::string_view::npos) row.alarm = "*";
  if (const auto rule = ValueToEnd(text, "RRULE:")) {
    if (const int kind = RepeatKindOfRule(*rule); kind != 0) {
      row.repeat = RepeatLabel(languageId, kind);
    }
  }
  if (const auto start = ValueToEnd(text, "DTSTART:")) SetStart(*start, row);
  if (const auto category = ValueToEnd(text, "CATEGORIES:")) {
    // Languages on the English table show the value as received.
    const bool english = CategoryLabel(languageId, 0) == kCategoryKeywords[0];
    row.category = english
                       ? std::string(*category)
                       : std::string(CategoryLabel(languageId, CategoryIndexOfValue(*category)));
  }
  if (const auto description = LineValue(text, "DESCRIPTION:")) {
    row.description = *description;
  }
  return row;
}

OrganizerReading ReadOrganizer(link::Exchange& exchange, int languageId,
                               const std::function<void(int slot)>& slotDone) {
  OrganizerReading reading;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const objects::ObjectRead read =
        objects::ReadObjectText(exchange, objects::ObjectType::kVcs, slot, kEntryBufferSize);
    // An answer whose blocks do not add up is no entry: the read stops as on a refusal.
    if (read.status == objects::ObjectRead::Status::kFailed ||
        read.status == objects::ObjectRead::Status::kBroken) {
      reading.stopped = true;
      return reading;
    }
    if (read.status == objects::ObjectRead::Status::kEmpty) {
      reading.rows.push_back(OrganizerEntry{slot, SlotState::kEmpty});
    } else {
      reading.rows.push_back(ParseEntryText(read.bytes, slot, languageId));
    }
    if (slotDone) slotDone(slot);
  }
  return reading;
}

}  // namespace telvane::organizer
