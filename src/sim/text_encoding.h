// Text as the simulator keeps it and as it travels: GSM 03.38 codes on the wire, UTF-8 in
// the state file, UCS2 hex after AT+CSCS="UCS2". ISO 8859-1 inside vCard objects converts
// with gsm/latin1_text.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace telvane::sim {

// UTF-8 of GSM default-alphabet codes (0x00-0x7F; other bytes become U+FFFD).
std::string GsmToUtf8(std::string_view codes);
// GSM codes of UTF-8 text; nothing when a character has no code in the default alphabet.
std::optional<std::string> Utf8ToGsm(std::string_view utf8);

// Four upper-case hex digits per character of GSM codes.
std::string GsmToUcs2Hex(std::string_view codes);
// GSM codes of UCS2 hex; nothing when malformed or a character has no GSM code.
std::optional<std::string> Ucs2HexToGsm(std::string_view hex);

}  // namespace telvane::sim
