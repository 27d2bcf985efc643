#include "sim/phone_books.h"

#include <algorithm>

#include "gsm/hex.h"

namespace telvane::sim {

const BookEntry* PhoneBook::Find(int position) const {
  const auto it = entries.find(position);
  return it == entries.end() ? nullptr : &it->second;
}

std::optional<int> PhoneBook::FirstFree() const {
  for (int position = 1; position <= capacity; ++position) {
    if (!entries.contains(position)) {
      return position;
    }
  }
  return std::nullopt;
}

void PhoneBook::PushCall(BookEntry entry) {
  std::map<int, BookEntry> moved;
  for (auto& [position, call] : entries) {
    if (position < capacity) {
      moved.emplace(position + 1, std::move(call));
    }
  }
  moved.emplace(1, std::move(entry));
  entries = std::move(moved);
}

PhoneBook* PhoneBooks::Find(std::string_view code) {
  return const_cast<PhoneBook*>(static_cast<const PhoneBooks*>(this)->Find(code));
}

const PhoneBook* PhoneBooks::Find(std::string_view code) const {
  if (code == "SM") return &sim;
  if (code == "FD") return &fixedDialling;
  if (code == "ON") return &ownNumbers;
  if (code == "LD") return &dialled;
  if (code == "MC") return &missed;
  if (code == "RC") return &received;
  return nullptr;
}

std::optional<std::string> NormaliseNumber(std::string_view number, int type) {
  const bool plus = !number.empty() && number.front() == '+';
  std::string digits(plus ? number.substr(1) : number);
  for (char& c : digits) {
    if (c == 'P' || c == 'W') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  const bool allowed = std::all_of(digits.begin(), digits.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '*' || c == '#' || c == 'p' || c == 'w';
  });
  if (!allowed || digits.size() > kMaxNumberLength) {
    return std::nullopt;
  }
  return (plus || type == 145) && !digits.empty() ? "+" + digits : digits;
}

int NumberType(std::string_view number) {
  return !number.empty() && number.front() == '+' ? 145 : 129;
}

std::optional<std::string> DecodeEscapedName(std::string_view written) {
  std::string codes;
  for (std::size_t i = 0; i < written.size(); ++i) {
    auto code = static_cast<unsigned char>(written[i]);
    if (code == '\\') {
      const auto value = gsm::ReadHexOctet(written, i + 1);
      if (!value) {
        return std::nullopt;
      }
      code = *value;
      i += 2;
    } else if (code < 0x20) {
      return std::nullopt;  // control bytes only as escapes
    }
    // Line ends would break the answer line that shows the name; a quote is shown as \22.
    if (code > 0x7F || code == '\r' || code == '\n') {
      return std::nullopt;
    }
    codes += static_cast<char>(code);
  }
  return codes;
}

}  // namespace telvane::sim
