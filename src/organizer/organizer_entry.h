// One slot of the phone's organizer as the organizer list shows it, and the values of an
// entry to be written.
#pragma once

#include <cstddef>
#include <string>

namespace telvane::organizer {

inline constexpr int kSlotCount = 50;
// The decoded vCalendar text of one slot is kept up to this many bytes.
inline constexpr std::size_t kEntryBufferSize = 1024;
// The phone keeps this many characters of a description.
inline constexpr std::size_t kDescriptionLimit = 16;

// What the phone reported for a slot.
enum class SlotState {
  kUnread,    // not read (a read that stopped before it, or one that failed)
  kEmpty,     // the phone reported no object, or the slot was erased
  kOccupied,  // the phone holds an object here
};

// A row of the organizer list: the slot and one text per column.
struct OrganizerEntry {
  int slot = 0;  // 1..kSlotCount, column 0
  SlotState state = SlotState::kUnread;
  std::string repeat{};       // column 1: repeat label, empty for a single date
  std::string alarm{};        // column 2: "*" when the entry has an alarm
  std::string date{};         // column 3: "YYYY/MM/DD"
  std::string time{};         // column 4: "HH:MM"
  std::string category{};     // column 5: category label
  std::string description{};  // column 6
};

// The values of an entry to write into a slot.
struct EntryValues {
  int category = 0;  // index into the category keywords, 0..3
  int repeat = 0;    // RepeatKind, 0..4
  bool alarm = false;
  int year = 2001, month = 1, day = 1;
  int hour = 0, minute = 0;
  std::string description{};  // Latin-1
};

}  // namespace telvane::organizer
