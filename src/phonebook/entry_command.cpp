#include "phonebook/entry_command.h"

#include <algorithm>

#include "gsm/gsm_alphabet.h"
#include "gsm/hex.h"
#include "gsm/phonebook_escape.h"

namespace telvane::phonebook {
namespace {

bool IsDialCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '*' || c == '#' || c == 'p' || c == 'P' || c == 'w' ||
         c == 'W';
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::string CleanNumber(std::string_view number) {
  std::string clean;
  for (char c : number) {
    if (IsDialCharacter(c) || (c == '+' && clean.empty())) clean += c;
  }
  return clean;
}

std::optional<std::string> DialNumber(std::string_view number) {
  std::string dial;
  for (char c : number) {
    if (IsDialCharacter(c) || (c == '+' && dial.empty())) {
      dial += c;
    } else if (std::string_view(" -/.()").find(c) == std::string_view::npos) {
      return std::nullopt;
    }
  }
  return dial;
}

std::string CleanName(std::string_view name) {
  std::string clean;
  for (char c : name) {
    if (!IsControl(c)) clean += c;
  }
  return clean;
}

std::string EntryName(std::string_view name) {
  std::string clean = CleanName(name);
  std::replace(clean.begin(), clean.end(), '\\', '/');
  return clean;
}

std::string CommandName(std::string_view name) {
  std::string escaped = EntryName(name);
  gsm::PhonebookEscape(escaped);
  std::string line;
  for (char c : escaped) {
    const std::uint8_t code = gsm::LatinToGsmCode(static_cast<std::uint8_t>(c));
    if (code < 0x20 || code == '"' || code == 0x7F) {
      line += '\\';
      gsm::AppendHexOctet(line, code);
    } else {
      line += static_cast<char>(code);
    }
  }
  return line;
}

std::string WriteCommand(int position, std::string_view number, int numberType,
                         std::string_view name) {
  return "AT+CPBW=" + std::to_string(position) + "," + CleanNumber(number) + "," +
         std::to_string(numberType) + ",\"" + CommandName(name) + "\"";
}

std::string DeleteCommand(int position) { return "AT+CPBW=" + std::to_string(position); }

}  // namespace telvane::phonebook
