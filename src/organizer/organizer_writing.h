// Writing one organizer entry: the checks, the vCalendar object of eleven lines at most,
// the slot an added entry goes to, and the block write into the slot.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "link/exchange.h"
#include "objects/transfer_feedback.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

inline constexpr int kStrTooLong = 30;            // "Text can't be longer than 16 characters"
inline constexpr int kStrPhoneNumberNeeded = 31;  // "Please enter a phone number in the ..."
inline constexpr int kStrNoFreeEntry = 32;        // "No free entry found"
inline constexpr int kStrCantWriteEntry = 33;     // "Can't write calender entry"

// The description as the phone gets it: control characters (CR, LF, Ctrl-Z, ...) dropped,
// then cut to kDescriptionLimit characters.
std::string PhoneDescription(std::string_view description);

// 0 when the entry may be written; else the message: a PHONE CALL whose description does
// not begin with "+" or a digit (31).
int CheckEntry(const EntryValues& values);

// The vCalendar object of the entry, each line ended by CR LF: the category's keyword,
// RRULE for a repeat, DTSTART (and DALARM, AALARM with an alarm) as YYYYMMDDTHHMM00,
// the description as PhoneDescription gives it. Indexes outside the tables count as 0.
std::string BuildEntryObject(const EntryValues& values);

// The slot of the first row, in the order given, that the phone reported empty or that
// was erased; none when there is none. An occupied slot is never chosen, whatever it
// shows.
std::optional<int> FindFreeSlot(std::span<const OrganizerEntry> rowsInListOrder);

// The row the list shows for an entry written into `slot`.
OrganizerEntry EntryRow(const EntryValues& values, int slot, int languageId);

// What writing an entry did.
struct EntryWrite {
  bool written = false;   // every block was accepted: the slot holds the entry
  int messageId = 0;      // 33 for refused blocks; 0 for none
  int refusedBlocks = 0;  // data lines refused (each is reported), or 1 for a refused header
};

// Writes the entry into `slot` (1..kSlotCount) after the checks above: AT^SBNW="vcs",0,
// then the blocks. A refused data line is counted and the rest is still sent; a refused
// block header ends the write. A failed check gives its message and sends nothing.
EntryWrite WriteOrganizerEntry(link::Exchange& exchange, objects::TransferFeedback& feedback,
                               const EntryValues& values, int slot);

}  // namespace telvane::organizer
