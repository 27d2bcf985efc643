// Reading fields out of a phone's answer: prefix search, decimal conversion that stops
// at the first non-digit, and the separators "," "\"" "(" "-". Every reader stays
// inside the answer it is given.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace telvane::link {

// The text right after the first `prefix` at or after `from`; none when absent.
std::optional<std::string_view> After(std::string_view answer, std::string_view prefix,
                                      std::size_t from = 0);

// Leading blanks skipped, an optional sign, then digits up to the first non-digit;
// none when no digit follows. Saturates instead of overflowing.
std::optional<int> LeadingNumber(std::string_view text);

// The number right after `prefix` (blanks allowed between).
std::optional<int> NumberAfter(std::string_view answer, std::string_view prefix);

// The number after the first `separator` of `text`.
std::optional<int> NumberAfterSeparator(std::string_view text, char separator);

// How often `part` occurs, non-overlapping.
int CountOccurrences(std::string_view answer, std::string_view part);

// The text up to the first control character (below 0x20).
std::string_view UpToControl(std::string_view text);

struct NumberRange {
  int low = 0;
  int high = 0;
};

// A range "(low-high)" starting at the first "(" of `text`; `rest` receives the text
// after its ")". None when the text holds no such range.
std::optional<NumberRange> ParseRange(std::string_view text, std::string_view* rest = nullptr);

}  // namespace telvane::link
