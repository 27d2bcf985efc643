#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sim {

// Parameters of a set command ("AT+CNMI=1,0,0,2"): split at commas outside quotes, each
// trimmed of spaces; nothing when a quote is left open.
std::optional<std::vector<std::string_view>> SplitParameters(std::string_view text);

// A decimal number of at most 9 digits, no sign.
std::optional<int> ParseNumber(std::string_view text);

// The content of a "quoted" parameter.
std::optional<std::string> ParseQuoted(std::string_view text);

// All parameters as numbers; nothing when one is missing or not a number, or the count is
// outside [minCount, maxCount].
std::optional<std::vector<int>> ParseNumbers(std::string_view text, std::size_t minCount,
                                             std::size_t maxCount);

// "(0-41)" style range text.
std::string RangeText(int low, int high);

}  // namespace telvane::sim
