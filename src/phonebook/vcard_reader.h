// The fields of an address book vCard as the phone stores them.
#pragma once

#include <string_view>

#include "phonebook/phonebook_entry.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

struct AddressCard {
  PhonebookEntry entry;  // list name (the whole N value), home number and its type
  AddressEntry address;
};

// Takes the fields of a vCard text without character conversion; each key is searched
// anywhere in the text and its value runs to the end of its line. `position` goes into
// both records.
AddressCard ParseAddressVCard(std::string_view text, int position);

}  // namespace telvane::phonebook
