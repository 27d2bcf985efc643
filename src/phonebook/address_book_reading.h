// Reading the phone's own address book, one vCard object per index (AT^SBNR="vcf",i).
#pragma once

#include "link/exchange.h"
#include "phonebook/book_reading.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

// Empty objects met before a premature stop ("ReadB") ends the read.
inline constexpr int kEmptyObjectsBeforeStop = 10;

// How an address book read went.
struct AddressBookRead {
  bool complete = true;    // every object was read: the store holds the whole book
  bool readError = false;  // an answer did not add up, or the phone gave none: tell the user
};

// Reads objects 0..500 into the entries and the address details; the capacity becomes
// 0, 500, 30, 260. A failed exchange or an answer whose blocks do not add up skips its
// object (never an entry made of part of it), and the entries then hold no complete
// book. A read without any answer ends the reading at once.
AddressBookRead ReadAddressBook(link::Exchange& exchange, PhonebookStore& store,
                                const ReadOptions& options, const ReadReport& report = {});

}  // namespace telvane::phonebook
