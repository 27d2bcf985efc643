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

// Takes the fields of a vCard text without character conversion. A field is the value of
// the first property (an unfolded line) with its name and exactly its parameters: "N",
// "ORG", "URL", "ADR", "EMAIL;INTERNET", "TEL;HOME" (WORK, CELL, FAX); VIP is a CATEGORIES
// property that lists VIP. Text inside another property's value is never taken for a
// property. `position` goes into both records.
AddressCard ParseAddressVCard(std::string_view text, int position);

}  // namespace telvane::phonebook
