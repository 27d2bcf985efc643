#include "phonebook/address_vcard.h"

#include <cstdio>
#include <ctime>

#include "phonebook/entry_command.h"

namespace telvane::phonebook {
namespace {

// How much of each dialog field goes into the text.
constexpr std::size_t kLongValue = 511;
constexpr std::size_t kAddressPart = 99;
constexpr std::size_t kPostalCodePart = 19;

std::string Value(std::string_view text, std::size_t limit) {
  return CutTo(CleanName(text), limit);
}

void AddLine(std::string& text, std::string_view key, std::string_view value) {
  if (value.empty()) return;
  text.append(key).append(value).append("\r\n");
}

std::string RevisionLine(const LocalTime& now) {
  char line[40];
  std::snprintf(line, sizeof line, "REV:%04d%02d%02dT%02d%02d%02d\r\n", now.year, now.month,
                now.day, now.hour, now.minute, now.second);
  return line;
}

}  // namespace

AddressInput AddressInputFromImport(const AddressImportRecord& record) {
  AddressInput input;
  input.lastName = record.lastName;
  input.firstName = record.firstName;
  input.company = record.company;
  input.street = record.street;
  input.city = record.city;
  input.postalCode = record.postalCode;
  input.country = record.country;
  input.homeNumber = record.state;
  input.workNumber = record.workNumber;
  input.cellNumber = record.cellNumber;
  input.faxNumber = record.faxNumber;
  input.email = record.email;
  input.webAddress = record.webAddress;
  return input;
}

LocalTime TimeOf(const std::tm& time) {
  return LocalTime{time.tm_year + 1900, time.tm_mon + 1, time.tm_mday,
                   time.tm_hour,        time.tm_min,     time.tm_sec};
}

LocalTime LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return TimeOf(local);
}

std::optional<std::string> BuildAddressVCardText(const AddressInput& input, const LocalTime& now) {
  std::string text = "BEGIN:VCARD\r\nVERSION:1.0\r\n" + RevisionLine(now);
  text += "N:" + Value(input.lastName, kLongValue);
  if (const std::string first = Value(input.firstName, kLongValue); !first.empty()) {
    text += ";" + first;
  }
  text += "\r\n";
  AddLine(text, "ORG:", Value(input.company, kLongValue));
  if (input.vip) text += "CATEGORIES:VIP\r\n";

  const std::string parts[] = {Value(input.street, kAddressPart), Value(input.city, kAddressPart),
                               Value(input.state, kAddressPart),
                               Value(input.postalCode, kPostalCodePart),
                               Value(input.country, kAddressPart)};
  bool anyPart = false;
  for (const std::string& part : parts) anyPart = anyPart || !part.empty();
  if (anyPart) {
    text += "ADR:;";
    for (const std::string& part : parts) text += ";" + part;
    text += "\r\n";
  }
  AddLine(text, "TEL;HOME:", Value(input.homeNumber, kLongValue));
  AddLine(text, "TEL;WORK:", Value(input.workNumber, kLongValue));
  AddLine(text, "TEL;CELL:", Value(input.cellNumber, kLongValue));
  AddLine(text, "TEL;FAX:", Value(input.faxNumber, kLongValue));
  AddLine(text, "EMAIL;INTERNET:", Value(input.email, kLongValue));
  AddLine(text, "URL:", Value(input.webAddress, kLongValue));
  text += "END:VCARD\r\n";
  if (text.size() > kAddressVCardLimit) return std::nullopt;
  return text;
}

}  // namespace telvane::phonebook
