// The AT+CPBW command lines that write and delete entries, and the cleaning that keeps
// names and numbers from breaking a command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace telvane::phonebook {

// The characters a dial number may hold: digits, "*", "#", the pause and wait letters
// p and w (either case), and "+" as the first character. Every other character (blanks,
// separators, quotes, line breaks, Ctrl-Z ...) is dropped.
std::string CleanNumber(std::string_view number);

// A number as typed or imported: the dial characters of CleanNumber with the blanks,
// "-", "/", ".", "(" and ")" that only format it dropped. Nothing when it holds any other
// character (a quote, a line break, a ";", a letter, a "+" not in front): such text is no
// number and is never filtered into one.
std::optional<std::string> DialNumber(std::string_view number);

// The name without control characters (CR, LF, Ctrl-Z, NUL and the rest below 0x20).
std::string CleanName(std::string_view name);

// A name as the SIM books keep it: CleanName, and every backslash written as "/". The
// GSM alphabet has no backslash, and AT+CPBW would take one as the start of an escape
// ("A\41" stored as "AA"), so the entry shows and stores what the phone gets.
std::string EntryName(std::string_view name);

// The name as it goes between the quotes of AT+CPBW: EntryName, the
// escapes of PhonebookEscape, the remaining characters as GSM codes, and every code that
// cannot stand in a command line (below 0x20, the double quote) as a backslash escape.
std::string CommandName(std::string_view name);

// AT+CPBW=<position>,<number>,<type>,"<name>" with the cleaned number and name.
std::string WriteCommand(int position, std::string_view number, int numberType,
                         std::string_view name);
// AT+CPBW=<position>.
std::string DeleteCommand(int position);

}  // namespace telvane::phonebook
