#include "sim/command_line_parser.h"

#include <cctype>

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

}  // namespace

std::optional<std::vector<CommandRequest>> ParseCommandLine(std::string_view afterAt) {
  const std::string text = Normalise(afterAt);
  const std::string_view s = text;
  std::vector<CommandRequest> commands;
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    CommandRequest request;
    if (c == ';') {
      ++i;
      continue;
    }
    if (c == '+' || c == '^') {
      std::size_t j = i + 1;
      while (j < s.size() && IsNameChar(s[j])) {
        ++j;
      }
      if (j == i + 1) {
        return std::nullopt;
      }
      request.name = std::string(s.substr(i, j - i));
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
      i = j;
    } else if (c == 'D') {
      // A dial string runs to the end of the line; a final ";" makes it a voice call.
      request.name = std::string(1, c);
      request.form = CommandForm::kSet;
      request.parameters = std::string(s.substr(i + 1));
      i = s.size();
    } else if (c == 'S') {
      const std::size_t end = DigitsEnd(s, i + 1);
      if (end == i + 1 || end >= s.size()) {
        return std::nullopt;
      }
      request.name = std::string(s.substr(i, end - i));
      if (s[end] == '?') {
        request.form = CommandForm::kQuery;
        i = end + 1;
      } else if (s[end] == '=') {
        const std::size_t valueEnd = DigitsEnd(s, end + 1);
        request.form = CommandForm::kSet;
        request.parameters = std::string(s.substr(end + 1, valueEnd - end - 1));
        i = valueEnd;
      } else {
        return std::nullopt;
      }
    } else if (c == '&' || std::isupper(static_cast<unsigned char>(c))) {
      std::size_t j = i + 1;
      if (c == '&') {
        if (j >= s.size() || !std::isupper(static_cast<unsigned char>(s[j]))) {
          return std::nullopt;
        }
        ++j;
      }
      request.name = std::string(s.substr(i, j - i));
      const std::size_t end = DigitsEnd(s, j);
      if (end > j) {
        request.form = CommandForm::kSet;
        request.parameters = std::string(s.substr(j, end - j));
      }
      i = end;
    } else {
      return std::nullopt;
    }
    commands.push_back(std::move(request));
  }
  return commands;
}

}  // namespace telvane::sim
