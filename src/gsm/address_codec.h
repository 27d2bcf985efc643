// Phone numbers in PDUs: length, type of number and swapped semi-octets.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::gsm {

// The user's numbering settings: "IntPrefix" and the normalising prefix "TPref" (e.g. "+49").
struct NumberingOptions {
  bool addIntPrefix = false;
  std::string normalisingPrefix;
};

enum class AddressRole {
  kDestination,    // length octet counts the digits
  kServiceCentre,  // length octet counts the octets that follow, type included
};

// Most digits an address field may carry (ten octets of semi-octets).
inline constexpr std::size_t kMaxAddressDigits = 20;

// The address field of number: length "%02X", type "91" or "81", digits in swapped pairs with
// the filler "F" before an odd last digit. A leading "+" or "00" gives type 91 and is dropped;
// otherwise, with addIntPrefix and a prefix set, the prefix (without "+" or "00") replaces one
// leading "0" and the type is 91. "*" and "#" are written as the semi-octets A and B.
// Returns nullopt when a character other than a digit, "*" or "#" remains, or when more than
// kMaxAddressDigits digits would be written: such a number cannot be dialled, and writing it
// raw would corrupt the PDU line.
std::optional<std::string> EncodeAddress(std::string_view number, AddressRole role,
                                         const NumberingOptions& options = {});

// True for an alphanumeric address (type of number 101, e.g. type D0): a sender name such as
// "MyBank", which can neither be looked up nor answered. False for -1 (no type read).
bool IsAlphanumericAddress(int addressType);

// The number of an address text: the type (two characters) followed by the swapped digits.
// Type "91" puts "+" in front; pairs are swapped back, a lone last character is ignored, the
// result is cut at the first filler "F", and A and B read back as "*" and "#". Reading stops
// at the first character that is not a hex digit.
// An alphanumeric address gives its name instead: the digits are packed GSM 7-bit codes,
// semiOctets * 4 / 7 of them (the field's length octet); without the length, every whole
// code the digits hold except a last filler 0. The codes pass the GSM table, and line breaks
// and double quotes in the name read as blanks.
std::string DecodeAddress(std::string_view addressText,
                          std::optional<std::size_t> semiOctets = std::nullopt);

}  // namespace telvane::gsm
