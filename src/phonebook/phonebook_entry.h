// One entry of a phone book, the Redbook, a call list or the external book.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telvane::phonebook {

inline constexpr std::size_t kNumberLimit = 29;  // characters of a number
inline constexpr std::size_t kNameLimit = 99;    // characters of a name

inline constexpr int kNationalType = 129;
inline constexpr int kInternationalType = 145;

struct PhonebookEntry {
  int position = 0;  // as the phone counts (address book: object index + 1)
  std::string number;
  int numberType = kNationalType;  // 145 for an international number
  std::string name;                // Latin text; a trailing "!" marks a Redbook entry
};

// 145 when the number begins with "+", else 129.
int NumberTypeOf(std::string_view number);

// The text cut to at most `limit` characters.
std::string CutTo(std::string_view text, std::size_t limit);

// Sort order of the lists: column 0 by position, 1 by name, 2 by number; texts compare
// as unsigned bytes, a shorter prefix first.
int CompareEntries(const PhonebookEntry& a, const PhonebookEntry& b, int column);

}  // namespace telvane::phonebook
