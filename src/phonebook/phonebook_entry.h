// One entry of a phone book, the Redbook, a call list or the external book.
#pragma once

#include <string>

namespace telvane::phonebook {

inline constexpr std::size_t kNumberLimit = 29;  // characters of a number
inline constexpr std::size_t kNameLimit = 99;    // characters of a name

struct PhonebookEntry {
  int position = 0;  // as the phone counts (address book: object index + 1)
  std::string number;
  int numberType = 129;  // 145 for an international number
  std::string name;      // Latin text; a trailing "!" marks a Redbook entry
};

// Sort order of the lists: column 0 by position, 1 by name, 2 by number; texts compare
// as unsigned bytes, a shorter prefix first.
int CompareEntries(const PhonebookEntry& a, const PhonebookEntry& b, int column);

}  // namespace telvane::phonebook
