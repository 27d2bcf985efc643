// Reading the organizer: the 50 slots, one AT^SBNR="vcs",n each, and the vCalendar text of
// a slot turned into the row the organizer list shows.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "link/exchange.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

// The row of `slot` for a decoded vCalendar text, in the language's labels:
// - "DALARM:" anywhere gives the alarm mark;
// - "RRULE:" gives the repeat label of its first letter (D, W, M, Y); another letter
//   leaves the column empty, as for a single date;
// - "DTSTART:" YYYYMMDD "T" HHMM gives date and time; a value of another form (a date
//   without "T", letters, a month 13) leaves both columns empty;
// - "CATEGORIES:" gives the label of the first keyword the value contains (else index 0);
//   in English the value itself;
// - "DESCRIPTION:" gives the value up to the line end; a value without one is not shown.
OrganizerEntry ParseEntryText(std::string_view text, int slot, int languageId);

// The category index the reader gives a CATEGORIES value: the first keyword it contains,
// else 0.
int CategoryIndexOfValue(std::string_view value);

// What reading all slots found. `rows` holds a row per slot read, in slot order; a read
// that failed ends the reading and leaves the slots after it out.
struct OrganizerReading {
  std::vector<OrganizerEntry> rows;
  bool stopped = false;  // a read was refused, timed out or its blocks did not add up
};

// Reads slots 1 to kSlotCount; `slotDone(n)` is called after slot n was read.
OrganizerReading ReadOrganizer(link::Exchange& exchange, int languageId,
                               const std::function<void(int slot)>& slotDone = {});

}  // namespace telvane::organizer
