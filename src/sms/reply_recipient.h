// The recipient of the reply dialog: a number as typed, or a name of the external book.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "phonebook/external_book.h"

namespace telvane::sms {

// Text that starts with a digit or "+" is the number itself. Other text is a name: the
// first external book entry (up to the first one with position 0) whose name contains it
// gives its number. None for an empty text or a name no entry contains.
std::optional<std::string> ResolveReplyRecipient(std::string_view typed,
                                                 const phonebook::ExternalBookTable& book);

}  // namespace telvane::sms
