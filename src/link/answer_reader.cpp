#include "link/answer_reader.h"

#include <climits>

namespace telvane::link {

std::optional<std::string_view> After(std::string_view answer, std::string_view prefix, std::size_t from) {
  if (from > answer.size()) return std::nullopt;
  const std::size_t at = answer.find(prefix, from);
  if (at == std::string_view::npos) return std::nullopt;
  return answer.substr(at + prefix.size());
}

std::optional<int> LeadingNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return std::nullopt;
  long long value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (value < INT_MAX) value = value * 10 + (text[pos] - '0');
  }
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(negative ? -value : value);
}

std::optional<int> NumberAfter(std::string_view answer, std::string_view prefix) {
  const auto rest = After(answer, prefix);
  return rest ? LeadingNumber(*rest) : std::nullopt;
}

std::optional<int> NumberAfterSeparator(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return std::nullopt;
  return LeadingNumber(text.substr(at + 1));
}

int CountOccurrences(std::string_view answer, std::string_view part) {
  if (part.empty()) return 0;
  int count = 0;
  for (std::size_t at = answer.find(part); at != std::string_view::npos; at = answer.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

std::string_view UpToControl(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x20) ++end;
  return text.substr(0, end);
}

std::optional<NumberRange> ParseRange(std::string_view text, std::string_view* rest) {
  const std::size_t open = text.find('(');
  if (open == std::string_view::npos) return std::nullopt;
  const std::size_t close = text.find(')', open);
  const std::string_view inside = text.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
  const auto low = LeadingNumber(inside);
  const std::size_t dash = inside.find('-', 1);
  if (!low || dash == std::string_view::npos) return std::nullopt;
  const auto high = LeadingNumber(inside.substr(dash + 1));
  if (!high) return std::nullopt;
  if (rest) *rest = close == std::string_view::npos ? std::string_view() : text.substr(close + 1);
  return NumberRange{*low, *high};
}

}  // namespace telvane::link
