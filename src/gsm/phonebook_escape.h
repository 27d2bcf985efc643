// Backslash escapes of the Latin letters in names written to a phone book with AT+CPBW.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace telvane::gsm {

struct EscapePair {
  char letter;  // ISO 8859-1
  std::string_view escape;
};

// Applied in this order; every other character (the backslash included) passes unchanged.
inline constexpr std::array<EscapePair, 20> kPhonebookEscapes = {{
    {'\xF6', "\\7C"}, {'\xE4', "\\7B"}, {'\xFC', "\\7E"}, {'\xDC', "\\5E"}, {'\xD6', "\\5C"},
    {'\xC4', "\\5B"}, {'\xDF', "\\1E"}, {'\xE8', "\\04"}, {'\xE9', "\\05"}, {'\xF9', "\\06"},
    {'\xEC', "\\07"}, {'\xF2', "\\08"}, {'\xD8', "\\0B"}, {'\xF8', "\\0C"}, {'\xC5', "\\0E"},
    {'\xE5', "\\0F"}, {'\xE0', "\\7F"}, {'@', "\\00"},    {'\xC6', "\\1C"}, {'\xE6', "\\1D"},
}};

// Rewrites each of the 20 letters of name as a backslash and its GSM code in two upper-case
// hex digits. The result may be up to three times as long as the name.
void PhonebookEscape(std::string& name);

}  // namespace telvane::gsm
