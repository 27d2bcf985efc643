#include "organizer/organizer_writing.h"

#include <cstdio>

#include "objects/binary_object.h"
#include "organizer/organizer_vocabulary.h"

namespace telvane::organizer {
namespace {

int Within(int value, int count) { return value >= 0 && value < count ? value : 0; }

std::string StartValue(const EntryValues& values) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00", values.year % 10000,
                values.month % 100, values.day % 100, values.hour % 100, values.minute % 100);
  return text;
}

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value % 100);
  return text;
}

}  // namespace

std::string PhoneDescription(std::string_view description) {
  std::string text;
  for (const char c : description) {
    if (text.size() == kDescriptionLimit) break;
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    text += c;
  }
  return text;
}

int CheckEntry(const EntryValues& values) {
  if (values.category != kCategoryPhoneCall) return 0;
  const std::string description = PhoneDescription(values.description);
  const char first = description.empty() ? '\0' : description.front();
  return first == '+' || (first >= '0' && first <= '9') ? 0 : kStrPhoneNumberNeeded;
}

std::string BuildEntryObject(const EntryValues& values) {
  const std::string start = StartValue(values);
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n";
  text += "CATEGORIES:";
  text += kCategoryKeywords[static_cast<std::size_t>(Within(values.category, kCategoryCount))];
  text += "\r\n";
  if (const int repeat = Within(values.repeat, kRepeatKindCount); repeat != 0) {
    text += "RRULE:" + std::string(kRepeatRules[static_cast<std::size_t>(repeat)]) + "\r\n";
  }
  text += "DTSTART:" + start + "\r\n";
  if (values.alarm) text += "DALARM:" + start + "\r\nAALARM:" + start + "\r\n";
  text += "DESCRIPTION:" + PhoneDescription(values.description) + "\r\n";
  return text + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

std::optional<int> FindFreeSlot(std::span<const OrganizerEntry> rowsInListOrder) {
  for (const OrganizerEntry& row : rowsInListOrder) {
    if (row.state == SlotState::kEmpty) return row.slot;
  }
  return std::nullopt;
}

OrganizerEntry EntryRow(const EntryValues& values, int slot, int languageId) {
  OrganizerEntry row;
  row.slot = slot;
  row.state = SlotState::kOccupied;
  const int repeat = Within(values.repeat, kRepeatKindCount);
  if (repeat != 0) row.repeat = RepeatLabel(languageId, repeat);
  if (values.alarm) row.alarm = "*";
  char date[16];
  std::snprintf(date, sizeof date, "%04d/%02d/%02d", values.year % 10000, values.month % 100,
                values.day % 100);
  row.date = date;
  row.time = TwoDigits(values.hour) + ":" + TwoDigits(values.minute);
  row.category = CategoryLabel(languageId, Within(values.category, kCategoryCount));
  row.description = PhoneDescription(values.description);
  return row;
}

EntryWrite WriteOrganizerEntry(link::Exchange& exchange, objects::TransferFeedback& feedback,
                               const EntryValues& values, int slot) {
  EntryWrite write;
  if (slot < 1 || slot > kSlotCount) return write;
  if (const int message = CheckEntry(values); message != 0) {
    write.messageId = message;
    return write;
  }
  const auto count = [&write](const base::Outcome&) {
    ++write.refusedBlocks;
    return true;  // a refused data line: go on; a refused header ends the write anyway
  };
  const base::Outcome outcome = objects::WriteObjectText(
      exchange, feedback, objects::ObjectType::kVcs, slot, BuildEntryObject(values), count);
  write.written = outcome.done;
  if (!outcome.done) write.messageId = kStrCantWriteEntry;
  return write;
}

}  // namespace telvane::organizer
