// The phone books the phone keeps as entries (SIM, fixed dialling, own numbers, call lists);
// names are GSM 03.38 codes, as the phone stores and sends them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::sim {

inline constexpr std::size_t kMaxNumberLength = 40;  // digits of a book number
inline constexpr std::size_t kMaxNameLength = 16;    // GSM codes of a book name

struct BookEntry {
  std::string number;  // with a leading "+" when international
  int type = 129;      // 145 international, 129 otherwise
  std::string name;    // GSM codes
};

struct PhoneBook {
  int capacity = 0;  // positions 1..capacity
  std::map<int, BookEntry> entries;

  const BookEntry* Find(int position) const;
  std::optional<int> FirstFree() const;
  // A call list: the new call goes to position 1 and the older ones move down; the oldest
  // falls off the end.
  void PushCall(BookEntry entry);
};

struct PhoneBooks {
  PhoneBook sim{250, {}};           // SM
  PhoneBook fixedDialling{10, {}};  // FD, written only after PIN2
  PhoneBook ownNumbers{4, {}};      // ON
  PhoneBook dialled{10, {}};        // LD, the outgoing calls
  PhoneBook missed{10, {}};         // MC, the incoming calls not taken
  PhoneBook received{10, {}};       // RC, the accepted calls

  // The book kept under its code ("SM", "FD", "ON", "LD", "MC", "RC"), or nullptr.
  PhoneBook* Find(std::string_view code);
  const PhoneBook* Find(std::string_view code) const;
};

// The codes of the stored books, in the order of PhoneBooks.
inline constexpr std::string_view kStoredBookCodes[] = {"SM", "FD", "ON", "LD", "MC", "RC"};

// A number as the phone keeps it: digits, "*", "#", "p", "w", with "+" in front for type 145.
// Nothing when it holds another character or is too long.
std::optional<std::string> NormaliseNumber(std::string_view number, int type);

// A number's type as the phone reports it: 145 with a leading "+", else 129.
int NumberType(std::string_view number);

// A name written with AT+CPBW: every "\XX" (two hex digits) becomes the GSM code XX, other
// printable characters are taken as GSM codes. Nothing when an escape is malformed or a code
// is not allowed in a name (above 0x7F, line ends, the quote, raw control bytes).
std::optional<std::string> DecodeEscapedName(std::string_view written);

}  // namespace telvane::sim
