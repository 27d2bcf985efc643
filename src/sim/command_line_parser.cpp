#include "sim/command_line_parser.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

namespace telvane::sim {
namespace {

std::string Normalise(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    }
    if (quoted || c == '"') {
      out += c;
    } else if (c != ' ') {
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

bool IsNameChar(char c) {
  return std::isupper(static_cast<unsigned char>(c)) ||
         std::isdigit(static_cast<unsigned char>(c)) || c == '!' || c == '%' || c == '-' ||
         c == '.' || c == '/' || c == ':' || c == '_';
}

std::size_t DigitsEnd(std::string_view text, std::size_t from) {
  while (from < text.size() && std::isdigit(static_cast<unsigned char>(text[from]))) {
    ++from;
  }
  return from;
}

// The end of an extended command's parameters: the first ";" outside quotes.
std::size_t ParametersEnd(std::string_view text, std::size_t from) {
  bool quoted = false;
  for (; from < text.size(); ++from) {
    if (text[from] == '"') {
      quoted = !quoted;
    } else if (text[from] == ';' && !quoted) {
      break;
    }
  }
  return from;
}

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

// Each parser reads one command starting at `at` and leaves `at` after it; nothing on a
// syntax error.
using CommandParser = std::optional<CommandRequest> (*)(std::string_view line, std::size_t& at);

// +NAME or ^NAME, then "=?", "?" or "=PARAMETERS", up to the next ";".
std::optional<CommandRequest> ParseExtended(std::string_view s, std::size_t& at) {
  std::size_t j = at + 1;
  while (j < s.size() && IsNameChar(s[j])) {
    ++j;
  }
  if (j == at + 1) {
    return std::nullopt;
  }
  CommandRequest request;
  request.name = std::string(s.substr(at, j - at));
  if (s.substr(j, 2) == "=?") {
    request.form = CommandForm::kTest;
    j += 2;
  } else if (j < s.size() && s[j] == '?') {
    request.form = CommandForm::kQuery;
    ++j;
  } else if (j < s.size() && s[j] == '=') {
    request.form = CommandForm::kSet;
    const std::size_t end = ParametersEnd(s, j + 1);
    request.parameters = std::string(s.substr(j + 1, end - j - 1));
    j = end;
  }
  if (j < s.size() && s[j] != ';') {
    return std::nullopt;
  }
  at = j;
  return request;
}

// A dial string runs to the end of the line; a final ";" makes it a voice call.
std::optional<CommandRequest> ParseDial(std::string_view s, std::size_t& at) {
  CommandRequest request{std::string(1, s[at]), CommandForm::kSet, std::string(s.substr(at + 1))};
  at = s.size();
  return request;
}

// Sn? or Sn=value.
std::optional<CommandRequest> ParseSRegister(std::string_view s, std::size_t& at) {
  const std::size_t end = DigitsEnd(s, at + 1);
  if (end == at + 1 || end >= s.size()) {
    return std::nullopt;
  }
  CommandRequest request;
  request.name = std::string(s.substr(at, end - at));
  if (s[end] == '?') {
    request.form = CommandForm::kQuery;
    at = end + 1;
  } else if (s[end] == '=') {
    const std::size_t valueEnd = DigitsEnd(s, end + 1);
    request.form = CommandForm::kSet;
    request.parameters = std::string(s.substr(end + 1, valueEnd - end - 1));
    at = valueEnd;
  } else {
    return std::nullopt;
  }
  return request;
}

// A letter or "&" and a letter, with optional digits as its parameter (E0, Z, &F, V1).
std::optional<CommandRequest> ParseBasic(std::string_view s, std::size_t& at) {
  std::size_t j = at + 1;
  if (s[at] == '&') {
    if (j >= s.size() || !IsUpper(s[j])) {
      return std::nullopt;
    }
    ++j;
  }
  CommandRequest request;
  request.name = std::string(s.substr(at, j - at));
  const std::size_t end = DigitsEnd(s, j);
  if (end > j) {
    request.form = CommandForm::kSet;
    request.parameters = std::string(s.substr(j, end - j));
  }
  at = end;
  return request;
}

// The command kinds by their first character, tried in this order.
struct CommandKind {
  bool (*startsWith)(char lead);
  CommandParser parse;
};
constexpr CommandKind kCommandKinds[] = {
    {[](char c) { return c == '+' || c == '^'; }, ParseExtended},
    {[](char c) { return c == 'D'; }, ParseDial},
    {[](char c) { return c == 'S'; }, ParseSRegister},
    {[](char c) { return c == '&' || IsUpper(c); }, ParseBasic},
};

}  // namespace

std::optional<std::vector<CommandRequest>> ParseCommandLine(std::string_view afterAt) {
  const std::string text = Normalise(afterAt);
  const std::string_view s = text;
  std::vector<CommandRequest> commands;
  for (std::size_t at = 0; at < s.size();) {
    if (s[at] == ';') {
      ++at;
      continue;
    }
    const char lead = s[at];
    const auto kind = std::ranges::find_if(
        kCommandKinds, [lead](const CommandKind& candidate) { return candidate.startsWith(lead); });
    if (kind == std::end(kCommandKinds)) {
      return std::nullopt;
    }
    auto request = kind->parse(s, at);
    if (!request) {
      return std::nullopt;
    }
    commands.push_back(std::move(*request));
  }
  return commands;
}

}  // namespace telvane::sim
