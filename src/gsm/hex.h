// Hexadecimal text as the phone writes PDUs: two upper-case digits per octet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::gsm {

// Value of one hex digit (either case), or -1 when c is not a hex digit.
int HexDigitValue(char c);

// Number of leading characters of text that are hex digits. A PDU line ends there.
std::size_t HexPrefixLength(std::string_view text);

// The octet written by the two characters at pos, or nullopt when they are missing or not hex.
std::optional<std::uint8_t> ReadHexOctet(std::string_view hex, std::size_t pos);

// Appends one octet as "%02X".
void AppendHexOctet(std::string& out, std::uint8_t octet);

// Every byte of bytes as "%02X".
std::string ToHex(std::string_view bytes);

// The bytes written by whole pairs of hex digits at the start of hex; stops at the first pair
// that is incomplete or not hex.
std::string FromHex(std::string_view hex);

}  // namespace telvane::gsm
