#include "sim/at_params.h"

namespace telvane::sim {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::optional<std::vector<std::string_view>> SplitParameters(std::string_view text) {
  std::vector<std::string_view> parts;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      quoted = !quoted;
    } else if (text[i] == ',' && !quoted) {
      parts.push_back(Trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  if (quoted) {
    return std::nullopt;
  }
  parts.push_back(Trim(text.substr(start)));
  return parts;
}

std::optional<int> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) {
    return std::nullopt;
  }
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<std::string> ParseQuoted(std::string_view text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
    return std::nullopt;
  }
  const std::string_view inner = text.substr(1, text.size() - 2);
  if (inner.find('"') != std::string_view::npos) {
    return std::nullopt;
  }
  return std::string(inner);
}

std::optional<std::vector<int>> ParseNumbers(std::string_view text, std::size_t minCount,
                                             std::size_t maxCount) {
  const auto parts = SplitParameters(text);
  if (!parts || parts->size() < minCount || parts->size() > maxCount) {
    return std::nullopt;
  }
  std::vector<int> numbers;
  for (std::string_view part : *parts) {
    const auto number = ParseNumber(part);
    if (!number) {
      return std::nullopt;
    }
    numbers.push_back(*number);
  }
  return numbers;
}

std::string RangeText(int low, int high) {
  return "(" + std::to_string(low) + "-" + std::to_string(high) + ")";
}

}  // namespace telvane::sim
