#include "sms/compose_text.h"

#include <algorithm>

namespace telvane::sms {

MessageCounters CountMessage(std::size_t characters, std::size_t partLength) {
  MessageCounters counters;
  counters.characters = characters;
  if (partLength == 0) return counters;
  counters.parts = (characters + partLength - 1) / partLength;
  counters.left = counters.parts * partLength - characters;
  return counters;
}

std::optional<std::string> ExpandPredefinedShortcut(std::string_view text,
                                                    std::span<const std::string> predefined) {
  const std::size_t first = text.find('#');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find('#', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::string_view number = text.substr(first + 1, second - first - 1);
  // Only a plain number stands between the two marks ("#3#"), at most two digits.
  if (number.empty() || number.size() > 2 ||
      !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int k = number.size() == 1 ? number[0] - '0' : (number[0] - '0') * 10 + (number[1] - '0');
  if (k < 1 || k > kPredefinedTextCount || static_cast<std::size_t>(k) > predefined.size())
    return std::nullopt;
  const std::string& replacement = predefined[static_cast<std::size_t>(k - 1)];
  if (replacement.empty()) return std::nullopt;
  return std::string(text.substr(0, first)) + replacement;
}

}  // namespace telvane::sms
