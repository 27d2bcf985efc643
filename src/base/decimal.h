// The one decimal conversion for settings and phone answers.
#pragma once

#include <climits>
#include <cstddef>
#include <optional>
#include <string_view>

namespace telvane::base {

// Reads a decimal number at the front of `text`: the characters of `blanks` skipped, an
// optional sign, then digits up to the first non-digit. Saturates at +-INT_MAX instead of
// overflowing. On success `text` is moved behind the last digit; none (text unchanged)
// when no digit follows.
inline std::optional<int> TakeDecimal(std::string_view& text, std::string_view blanks = " ") {
  std::size_t pos = 0;
  while (pos < text.size() && blanks.find(text[pos]) != std::string_view::npos) ++pos;
  const bool negative = pos < text.size() && text[pos] == '-';
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return std::nullopt;
  long long value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (value < INT_MAX) value = value * 10 + (text[pos] - '0');
  }
  if (value > INT_MAX) value = INT_MAX;
  text.remove_prefix(pos);
  return static_cast<int>(negative ? -value : value);
}

// The same without moving: the number at the front of `text`.
inline std::optional<int> LeadingDecimal(std::string_view text, std::string_view blanks = " ") {
  return TakeDecimal(text, blanks);
}

// True when `text` is not empty and holds the digits 0 to 9 only.
inline bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The value of a field of digits only, such as the "1224" of a date (none for anything
// else, an empty field included). Saturates as TakeDecimal does.
inline std::optional<int> DigitsValue(std::string_view text) {
  if (!AllDigits(text)) return std::nullopt;
  return LeadingDecimal(text, {});
}

}  // namespace telvane::base
