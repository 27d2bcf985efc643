// Marking entries as Redbook entries (a trailing "!" on the name written to the phone)
// and taking the mark off again.
#pragma once

#include <cstddef>

#include "phonebook/fixed_dialling.h"

namespace telvane::phonebook {

// Marks the entry of `slot` and appends its copy to the Redbook; a full Redbook refuses
// ("Maximum entries reached!"). Sends the current book's selection first.
Outcome AddToRedbook(WriteContext& context, std::size_t slot);

// Takes the mark off the book entry named like Redbook entry `redbookIndex` and removes
// that Redbook entry. Outcome slot: the book entry changed.
Outcome RemoveFromRedbook(WriteContext& context, std::size_t redbookIndex);

}  // namespace telvane::phonebook
