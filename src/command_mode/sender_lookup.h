// The name of a message's sender from the external book.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "phonebook/external_book.h"

namespace telvane::command_mode {

// The digits by which a sender is looked up, so that the international and the national
// form of a number meet: for types 0x81 and 0x89 the part after "12320310" or "1232041"
// when the number holds one, else the number without one leading "0"; for any other type
// the number without its first three characters ("+" and a two-digit country code).
std::string SenderLookupKey(std::string_view sender, int addressType);

// The name of the first external book entry whose number contains the lookup key.
std::optional<std::string> NameOfSender(const phonebook::ExternalBookTable& book,
                                        std::string_view sender, int addressType);

}  // namespace telvane::command_mode
