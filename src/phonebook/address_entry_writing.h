// Creating, changing and deleting entries of the phone's address book, and deleting the
// whole address book; the store follows every change the phone accepted.
#pragma once

#include "link/exchange.h"
#include "phonebook/address_vcard.h"
#include "phonebook/book_reading.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/phonebook_store.h"

namespace telvane::ui {
class Ui;
}

namespace telvane::phonebook {

enum class AddressSource {
  kDialog,  // the address dialog: last name and home number are required
  kImport,  // an imported vCard (new entries only): home number, else the cell number
};

// Builds the text and writes it as object `position` - 1. False, with "Can't write new
// entry" shown, when the text is too long or a block was refused.
bool BuildAddressVCard(link::Exchange& exchange, ui::Ui& ui, const AddressInput& input,
                       int position, const LocalTime& now);

// The name an address entry has in the book list: "last;first", or the last name alone.
std::string AddressListName(const AddressInput& input);

// Position 0 writes a new entry at the first free object index; otherwise the entry at
// `position` (table slot `slot`) is rewritten. A refused block has been reported by the
// object writer (the outcome's message is then 0).
Outcome SaveAddressEntry(link::Exchange& exchange, ui::Ui& ui, PhonebookStore& store,
                         const AddressInput& input, AddressSource source, int position,
                         std::size_t slot, const LocalTime& now);

// Erases object `position` - 1 (AT^SBNW="vcf",<index>,0); the slot stays, listed as
// deleted, and the index becomes free.
Outcome DeleteAddressEntry(link::Exchange& exchange, PhonebookStore& store, int position);

// Erases objects 0..500 (results ignored) and reads the address book again.
void DeleteAddressBook(link::Exchange& exchange, PhonebookStore& store,
                       const ReadOptions& options, const ReadReport& report = {});

}  // namespace telvane::phonebook
