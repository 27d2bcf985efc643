// The entries of an AT+CMGL answer: each "+CMGL:" header with the PDU line after it,
// decoded into sender, time stamp and text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvane::sms {

struct ListedMessage {
  int index = 0;
  int status = 0;          // 0, 1 received; 2, 3 stored
  std::string statusCell;  // the status as the header gave it; empty without one
  std::string sender;      // as decoded, "+" in front for an international number
  int addressType = -1;
  std::string timestamp;  // "YY/MM/DD hh:mm:ss" (or "DD/MM/YY ..." with swapDate)
  std::string text;       // ISO 8859-1
  bool statusReport = false;

  // A message a person sent to the phone.
  bool Received() const { return (status == 0 || status == 1) && !statusReport; }
};

// Every "+CMGL:" entry in answer order. An entry whose header has no index (or a negative
// one), no "," after it, or no PDU line after it, is left out. A header without a second
// "," (or without a number of 0 or more before it) decodes its PDU as received (status 0)
// and leaves statusCell empty.
std::vector<ListedMessage> ParseMessageListing(std::string_view answer, bool swapDate);

}  // namespace telvane::sms
