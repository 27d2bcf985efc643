// Exports of the book on show: CSV and XML files of the whole book, one vCard 2.1 file
// per entry. The address book gets the extended forms with its address details.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "phonebook/address_vcard.h"
#include "phonebook/phonebook_messages.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

using base::Outcome;

enum class ExportFormat { kCsv, kXml };

// The text of the export of `store.currentBook`: entries in table order, the deleted
// ones left out, names without the Redbook "!", lines ended by CR LF. CSV fields keep no
// ";" (a blank takes its place) so each line keeps its columns; XML element texts escape
// "&", "<", ">" and quotes, and hold Latin-1 bytes as the declared encoding says.
std::string BookExportText(const PhonebookStore& store, ExportFormat format);

// Writes the export into `file`; not done, with "Can't open export file" (25), when the
// file cannot be created or written.
Outcome ExportBook(const PhonebookStore& store, const std::filesystem::path& file,
                   ExportFormat format);

// The vCard 2.1 text of the entry in table slot `slot` (address details for the address
// book); REV is the time in UTC, marked "Z".
std::string VcardExportText(const PhonebookStore& store, std::size_t slot, const LocalTime& utc);

// Writes that text into `file`; not done, with string 25, when the file cannot be
// created or written (or the slot holds no entry).
Outcome ExportVcard(const PhonebookStore& store, std::size_t slot,
                    const std::filesystem::path& file, const LocalTime& utc);

// The proposed name of a book export: "Telvane_SM.csv", "Telvane_ME.xml", "Telvane_FD.csv".
std::string ExportFileName(Book book, std::string_view extension);

// The file name proposed for an entry's vCard: its name without the Redbook mark and
// without characters a file name cannot hold, "entry" when nothing is left.
std::string VcardFileName(const PhonebookEntry& entry);

// The time now in UTC, for REV lines.
LocalTime UtcTimeNow();

}  // namespace telvane::phonebook
