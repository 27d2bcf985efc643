// The AT+CPBW command lines that write and delete entries, and the cleaning that keeps
// names and numbers from breaking a command line.
#pragma once

#include <string>
#include <string_view>

namespace telvane::phonebook {

// The characters a dial number may hold: digits, "*", "#", the pause and wait letters
// p and w (either case), and "+" as the first character. Every other character (blanks,
// separators, quotes, line breaks, Ctrl-Z ...) is dropped.
std::string CleanNumber(std::string_view number);

// The name without control characters (CR, LF, Ctrl-Z, NUL and the rest below 0x20).
std::string CleanName(std::string_view name);

// The name as it goes between the quotes of AT+CPBW: control characters dropped, the
// escapes of PhonebookEscape, the remaining characters as GSM codes, and every code that
// cannot stand in a command line (below 0x20, the double quote) as a backslash escape.
std::string CommandName(std::string_view name);

// AT+CPBW=<position>,<number>,<type>,"<name>" with the cleaned number and name.
std::string WriteCommand(int position, std::string_view number, int numberType,
                         std::string_view name);
// AT+CPBW=<position>.
std::string DeleteCommand(int position);

}  // namespace telvane::phonebook
