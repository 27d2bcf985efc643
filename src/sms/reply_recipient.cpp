#include "sms/reply_recipient.h"

namespace telvane::sms {

std::optional<std::string> ResolveReplyRecipient(std::string_view typed,
                                                 const phonebook::ExternalBookTable& book) {
  if (typed.empty()) return std::nullopt;
  if ((typed[0] >= '0' && typed[0] <= '9') || typed[0] == '+') return std::string(typed);
  for (std::size_t i = 0; i < book.Count(); ++i) {
    const phonebook::PhonebookEntry& entry = book[i];
    if (entry.position == 0) break;
    if (entry.name.find(typed) != std::string::npos) return entry.number;
  }
  return std::nullopt;
}

}  // namespace telvane::sms
