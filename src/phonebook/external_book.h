// The external book "Telvane.phb": a copy of the three user books on the computer, one
// section per book, that serves the number-to-name lookups of the SMS functions.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

using base::Outcome;

inline constexpr std::size_t kExternalBookCapacity = 800;
inline constexpr std::string_view kExternalBookName = "Telvane.phb";
inline constexpr std::string_view kExternalBookTemporaryName = "Telvane.$$$";
inline constexpr std::size_t kExternalLineLimit = 259;

// The entries of the external book in file order, names with their book's mark.
using ExternalBookTable = BoundedTable<PhonebookEntry, kExternalBookCapacity>;

// The external book's place: beside the settings file.
std::filesystem::path ExternalBookBeside(const std::filesystem::path& settingsFile);

// "[SIM]", "[INT]", "[FDN]".
std::string_view SectionTag(Book book);
// The entry line without its line end: position, name with the book's mark ("+" for
// Internal, "*" for SIM fix), number. Control characters are dropped and the number
// keeps no comma, so the line always reads back.
std::string ExternalBookLine(const PhonebookEntry& entry, Book book);

// Replaces the section of `store.currentBook` in `file` by the entries of the table (the
// deleted ones left out) and keeps the other sections, in the order SIM, INT, FDN. The
// new file is written as "Telvane.$$$" in the same folder and renamed over the old one,
// so the old file stays whole until the new one is complete. When the store does not
// hold the current book as read completely in this run (a failed or broken read, a book
// chosen but not read), the file is left as it is and the outcome is done. Not done, with "Can't
// open export file" (25), when the file cannot be read or written; the old file is then unchanged.
Outcome WriteExternalBook(const PhonebookStore& store, const std::filesystem::path& file);

// Empties `table` and refills it from `file`; a missing file leaves it empty. Section
// lines and lines containing "[" are skipped; the position is the number before the
// first ",", the number what follows the last one and the name what lies between (a
// name may hold commas). Lines without a position of 1 or more are skipped, so a slot
// with position 0 never ends the table early.
void ReadExternalBook(const std::filesystem::path& file, ExternalBookTable& table);

}  // namespace telvane::phonebook
