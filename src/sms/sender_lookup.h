// The name of a message's sender from the external book. The SMS list and command mode
// cut the lookup key from the number by different rules; both scan the book the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "phonebook/external_book.h"

namespace telvane::sms {

// Command mode's key, so that the international and the national form of a number meet:
// for types 0x81 and 0x89 the part after "12320310" or "1232041" when the number holds
// one, else the number without one leading "0"; for any other type the number without
// its first three characters ("+" and a two-digit country code).
std::string SenderLookupKey(std::string_view sender, int addressType);

// The SMS list's key: for types 0x81 and 0x89 the number without its first 8 characters
// when it holds "12320310", else without 7 when it holds "1232041", else without one
// leading "0"; for type 0x83 without its first 4; for any other type without its first 3.
// Empty for an alphanumeric sender, which is shown as it is and never looked up.
std::string ListLookupKey(std::string_view number, int addressType);

// The name of the first external book entry whose number contains `key`; none for an
// empty key.
std::optional<std::string> NameForKey(const phonebook::ExternalBookTable& book,
                                      std::string_view key);

// Command mode's lookup: NameForKey with SenderLookupKey; none for an alphanumeric sender.
std::optional<std::string> NameOfSender(const phonebook::ExternalBookTable& book,
                                        std::string_view sender, int addressType);

}  // namespace telvane::sms
