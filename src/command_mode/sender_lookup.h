// What command mode reads from the phone's message list: the "+CMGL:" entries of an
// AT+CMGL=4 answer, decoded as far as command mode needs them, and the sender's name from
// the external book.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "phonebook/external_book.h"

namespace telvane::command_mode {

struct CommandMessage {
  int index = 0;
  int status = 0;          // 0, 1 received; 2, 3 stored
  std::string sender;      // as decoded, "+" in front for an international number
  int addressType = -1;
  std::string timestamp;   // "YY/MM/DD hh:mm:ss" (or "DD/MM/YY ..." with swapDate)
  std::string text;        // ISO 8859-1
  bool statusReport = false;

  // A message a person sent to the phone: only these are handed to the module.
  bool Received() const { return (status == 0 || status == 1) && !statusReport; }
};

// Every "+CMGL:" entry in answer order. An entry whose header has no index, or that has no
// PDU line after it, is left out.
std::vector<CommandMessage> ParseCommandListing(std::string_view answer, bool swapDate);

// The digits by which a sender is looked up, so that the international and the national
// form of a number meet: for types 0x81 and 0x89 the part after "12320310" or "1232041"
// when the number holds one, else the number without one leading "0"; for any other type
// the number without its first three characters ("+" and a two-digit country code).
std::string SenderLookupKey(std::string_view sender, int addressType);

// The name of the first external book entry whose number contains the lookup key.
std::optional<std::string> NameOfSender(const phonebook::ExternalBookTable& book,
                                        std::string_view sender, int addressType);

}  // namespace telvane::command_mode
