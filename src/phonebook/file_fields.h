// Small text helpers shared by the phone book's file formats.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvane::phonebook {

// The first lines of the CSV files: the plain books, and the address book's extended form.
inline constexpr std::string_view kCsvHeader = "NR;NAME;TELNUM";
inline constexpr std::string_view kExtendedCsvHeader =
    "NR;NAME;FIRSTNAME;LASTNAME;COMPANY;STREET;CITY;ZIPCODE;COUNTRY;TELNUM;TELWORK;TELCELL;"
    "TELFAX;EMAIL;WEBPAGE";

// The decimal number at the start of `field` (blanks before it allowed), 0 when there is
// none or it exceeds `limit`.
int ParsePosition(std::string_view field, int limit = 99999);

// The fields of a line split at every `separator`.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// The name as exports write it: without the Redbook mark "!" at its end and without
// control characters.
std::string ExportName(std::string_view name);

// A text without control characters and with every `separator` replaced by a blank, so
// that it stays one field of its line.
std::string FieldText(std::string_view text, char separator);

}  // namespace telvane::phonebook
