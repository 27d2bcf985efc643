// Reading the answers of the phone book commands: the range of AT+CPBR=? (and AT^SPBG=?)
// and one entry of AT+CPBR=<p> (and AT^SPBG=<p>).
#pragma once

#include <optional>
#include <string_view>

#include "phonebook/phonebook_entry.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

// The range "(first-last)" after the first ":", then behind the next "," the number
// length and behind the one after it the text length. A value whose field is missing
// keeps its old value; a length field without a number gives 0.
// "+CPBR: (1-250),40,16" gives 1, 250, 40, 16.
void ParseBookRange(std::string_view answer, BookCapacity& capacity);

// The entry of an answer holding a double quote: the number between the first pair of
// quotes, the type behind the next ",", the name between the next pair of quotes turned
// from GSM codes into Latin text. Number and name are cut to their limits; none when the
// answer holds no double quote (an empty position).
std::optional<PhonebookEntry> ParseEntryAnswer(std::string_view answer, int position);

}  // namespace telvane::phonebook
