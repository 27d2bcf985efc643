// Creating, changing and deleting entries of the phone's address book, and deleting the
// whole address book; the store follows every change the phone accepted.
#pragma once

#include <optional>

#include "link/exchange.h"
#include "objects/transfer_feedback.h"
#include "phonebook/address_vcard.h"
#include "phonebook/book_reading.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

enum class AddressSource {
  kDialog,  // the address dialog: last name and home number are required
  kImport,  // an imported vCard (new entries only): home number, else the cell number
};

// The input with its four numbers as DialNumber gives them (formatting blanks, "-", "/",
// ".", "(" and ")" dropped); nothing when any of them is no number.
std::optional<AddressInput> WithDialNumbers(AddressInput input);

// Builds the text and writes it as object `position` - 1. Not done, with "Can't write
// new entry" (49), when the text is too long or a block was refused.
Outcome BuildAddressVCard(link::Exchange& exchange, objects::TransferFeedback& feedback,
                          const AddressInput& input, int position, const LocalTime& now);

// The name an address entry has in the book list: "last;first", or the last name alone.
std::string AddressListName(const AddressInput& input);

// Position 0 writes a new entry at the first free object index; otherwise the entry at
// `position` (table slot `slot`) is rewritten. A number that is no number (WithDialNumbers)
// gives string 29 before anything is sent; a refused block gives string 49 with the step and
// block that failed.
Outcome SaveAddressEntry(link::Exchange& exchange, objects::TransferFeedback& feedback,
                         PhonebookStore& store, const AddressInput& input, AddressSource source,
                         int position, std::size_t slot, const LocalTime& now);

// Erases object `position` - 1 (AT^SBNW="vcf",<index>,0); the slot stays, listed as
// deleted, and the index becomes free.
Outcome DeleteAddressEntry(link::Exchange& exchange, PhonebookStore& store, int position);

// Erases objects 0..500 (results ignored) and reads the address book again.
void DeleteAddressBook(link::Exchange& exchange, PhonebookStore& store, const ReadOptions& options,
                       const ReadReport& report = {});

}  // namespace telvane::phonebook
