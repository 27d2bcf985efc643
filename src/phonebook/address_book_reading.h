// Reading the phone's own address book, one vCard object per index (AT^SBNR="vcf",i).
#pragma once

#include "link/exchange.h"
#include "phonebook/book_reading.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

// Empty objects met before a premature stop ("ReadB") ends the read.
inline constexpr int kEmptyObjectsBeforeStop = 10;

// Reads objects 0..500 into the entries and the address details; the capacity becomes
// 0, 500, 30, 260. A failed exchange skips its object, and the entries then hold no
// complete book.
void ReadAddressBook(link::Exchange& exchange, PhonebookStore& store, const ReadOptions& options,
                     const ReadReport& report = {});

}  // namespace telvane::phonebook
