// Importing vCard files dropped on the phone book window: each card becomes a new entry
// of the book on show (an address entry for the address book).
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>

#include "phonebook/address_vcard.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/import_storing.h"
#include "phonebook/vcard_file.h"

namespace telvane::phonebook {

// True for a name containing ".vcf" or ".VCF".
bool IsVcardFileName(std::string_view name);

// The address input of a card: names, company, address, the four numbers, e-mail, web.
AddressInput AddressInputFromCard(const VcardContact& card);

// Imports every card of each file named as a vCard (other files are passed over) and
// returns the number of entries written. Address book: the card's names, address and
// numbers through SaveAddressEntry (home number, else the cell number, as list number).
// Other books: the card's name (FN, else N) and its cell number, else home, work number,
// through WriteEntry (with the PIN2 of the SIM fix book). Cards without a name and a
// number are passed over. The writers' failures are reported to `feedback`; a full book,
// no free place or a PIN2 not given ends the whole import. A file that cannot be read
// reports string 25.
std::size_t ImportDroppedFiles(WriteContext& context, ImportFeedback& feedback,
                               std::span<const std::filesystem::path> files,
                               const EntryStored& stored, const LocalTime& now = LocalTimeNow());

}  // namespace telvane::phonebook
