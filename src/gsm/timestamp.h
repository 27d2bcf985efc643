// Service-centre time stamps of received messages and status reports.
#pragma once

#include <string>
#include <string_view>

namespace telvane::gsm {

// Decodes a stamp of seven swapped octets (14 hex characters) as "YY/MM/DD hh:mm:ss"; with
// swapDate ("SwapD") as "DD/MM/YY hh:mm:ss". The time zone octet is ignored. A shorter stamp
// gives only its whole fields (a lone last character is ignored); reading stops at the first
// character that is not a hex digit.
std::string DecodeTimestamp(std::string_view stamp, bool swapDate);

}  // namespace telvane::gsm
