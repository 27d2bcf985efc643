// Reading vCard files written by other programs: vCard 2.1 and 3.0, several cards per
// file, folded lines, quoted-printable values, UTF-8 or Latin-1 text, LF or CR LF line
// ends. Only the names, numbers and address details the phone book keeps are taken.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace telvane::phonebook {

// The values of one card in the program's Latin-1 text, without control characters;
// numbers as DialNumber gives them, one that is no number as the card holds it (the
// writers refuse it, it is never filtered into another number).
struct VcardContact {
  std::string formattedName{};  // FN
  std::string lastName{};       // N, first component
  std::string firstName{};      // N, second component
  std::string company{};        // ORG, its components joined by ", "
  std::string street{};         // ADR (the HOME one first): street, city, postal code, country
  std::string city{};
  std::string postalCode{};
  std::string country{};
  std::string homeNumber{};  // TEL: HOME, else one without a type (voice)
  std::string workNumber{};  // TEL: WORK
  std::string cellNumber{};  // TEL: CELL (also a WORK;CELL one)
  std::string faxNumber{};   // TEL: FAX, a HOME one before a WORK one
  std::string email{};       // EMAIL: the PREF one, else the first
  std::string webAddress{};  // URL

  // FN, else "last;first" from N (the last name alone without a first name).
  std::string DisplayName() const;
};

// Calls `card` for each card (BEGIN:VCARD ... END:VCARD) of the file, in file order, until
// it returns false. TEL types count in either form (2.1 "TEL;CELL;VOICE:", 3.0
// "TEL;TYPE=cell,voice:"), in any order and case; among several candidates for a field a
// PREF one wins, else the first. Lines longer than 1023 characters are skipped, so a
// card never takes more than bounded memory. False when the file cannot be opened.
bool ReadVcardFile(const std::filesystem::path& file,
                   const std::function<bool(const VcardContact&)>& card);

}  // namespace telvane::phonebook
