// The vCard 1.0 text of an address book entry.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

// The text an address vCard may take (its buffer holds 511 characters).
inline constexpr std::size_t kAddressVCardLimit = 511;

// The input of the address dialog, or of an imported vCard.
struct AddressInput {
  std::string lastName{};
  std::string firstName{};
  std::string company{};
  std::string street{};
  std::string city{};
  std::string state{};
  std::string postalCode{};
  std::string country{};
  std::string homeNumber{};
  std::string workNumber{};
  std::string cellNumber{};
  std::string faxNumber{};
  std::string email{};
  std::string webAddress{};
  bool vip = false;
};

// The record of an imported vCard: its state field carries the home number.
using AddressImportRecord = AddressEntry;
// The input of an imported record: the home number from its state field, never VIP.
AddressInput AddressInputFromImport(const AddressImportRecord& record);

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};
// The calendar fields of a broken-down time.
LocalTime TimeOf(const std::tm& time);
LocalTime LocalTimeNow();

// BEGIN:VCARD, VERSION:1.0, REV, N (always), ORG, CATEGORIES:VIP, ADR (when any part is
// set), TEL;HOME/WORK/CELL/FAX, EMAIL;INTERNET, URL, END:VCARD; lines end in CR LF and
// empty values leave their line out. Control characters are dropped from the values.
// None when the text would exceed 511 characters.
std::optional<std::string> BuildAddressVCardText(const AddressInput& input, const LocalTime& now);

}  // namespace telvane::phonebook
