// Importing a CSV file into the book on show: "NR;NAME;TELNUM" lines into the SIM and
// SIM fix books with AT+CPBW, the extended address lines into the address book as one
// vCard object per line.
#pragma once

#include <cstddef>
#include <filesystem>

#include "phonebook/address_vcard.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/import_storing.h"

namespace telvane::phonebook {

// Imports `file` into `context.store.currentBook` and returns the number of entries
// written. With `overwrite` each line goes to the position its NR column gives (for the
// address book: object index NR - 1, as positions count); otherwise to the next free
// place. The SIM books are selected first (AT^SPBS); when that fails nothing happens.
// Failures reported to `feedback`: 25 the file cannot be opened, 37 unsuitable header,
// 32 no free place left (the import stops), 49 a refused AT+CPBW (the import goes on),
// 47/48 the PIN2 of the SIM fix book (the import ends), 33 a refused or too long address
// object (the import goes on). Lines that do not parse are skipped silently, among them
// a line with a number that is no number (DialNumber): it is never filtered into another.
// The SIM fix book runs the PIN2 protocol once around the whole import: the PIN2 asked
// when none is kept, AT+CMEE=2 before the first line, AT+CPIN when a write answers
// "REQUIRED" (then the write again), AT+CMEE=0 after the last line.
std::size_t ImportCsv(WriteContext& context, ImportFeedback& feedback,
                      const std::filesystem::path& file, bool overwrite, const EntryStored& stored,
                      const LocalTime& now = LocalTimeNow());

}  // namespace telvane::phonebook
