// Decoding of the PDU lines that AT+CMGL lists: received messages, status reports and stored
// (SMS-SUBMIT) messages.
#pragma once

#include <string>
#include <string_view>

namespace telvane::gsm {

// The fields of one SMS list row that come from the PDU.
struct ListedPdu {
  std::string date;      // "YY/MM/DD hh:mm:ss" (SwapD: "DD/MM/YY ..."); empty when stored
  std::string number;    // sender or recipient, "+" in front for type 91; a name when alphanumeric
  int addressType = -1;  // the type-of-address octet, -1 when the line ends before it
  bool statusReport = false;
  std::string text;  // ISO 8859-1; for a status report the discharge time
};

// Decodes the PDU line that follows a "+CMGL:" header with the given status (0 received
// unread, 1 received read, 2 stored unsent, 3 stored sent; any other value is read as
// received). The line ends at the first character that is not a hex digit. The text is read
// as DecodeUserData does (coding group, user-data header skipped). Never fails: a short, odd
// or garbled line gives short or empty fields.
ListedPdu DecodeListedPdu(std::string_view line, int status, bool swapDate);

}  // namespace telvane::gsm
