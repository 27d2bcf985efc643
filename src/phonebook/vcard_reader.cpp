#include "phonebook/vcard_reader.h"

#include <string>

namespace telvane::phonebook {
namespace {

// The value behind the first `key`, up to the line end; empty when the key is missing.
std::string_view ValueOf(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return {};
  const std::string_view rest = text.substr(at + key.size());
  return rest.substr(0, rest.find_first_of("\r\n"));
}

// Takes the next ";"-separated part off `rest`; the last part takes what is left.
std::string_view NextPart(std::string_view& rest) {
  const std::size_t at = rest.find(';');
  const std::string_view part = rest.substr(0, at);
  rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
  return part;
}

void SplitAddress(std::string_view value, AddressEntry& address) {
  NextPart(value);  // post office box
  NextPart(value);  // extended address
  address.street = CutTo(NextPart(value), kFieldLimit);
  address.city = CutTo(NextPart(value), kFieldLimit);
  address.state = CutTo(NextPart(value), kFieldLimit);
  address.postalCode = CutTo(NextPart(value), kFieldLimit);
  address.country = CutTo(value, kFieldLimit);
}

}  // namespace

AddressCard ParseAddressVCard(std::string_view text, int position) {
  AddressCard card;
  PhonebookEntry& entry = card.entry;
  AddressEntry& address = card.address;
  entry.position = position;
  address.position = position;

  const std::string_view name = ValueOf(text, "\nN:");
  entry.name = CutTo(name, kNameLimit);
  const std::size_t semicolon = name.find(';');
  address.lastName = CutTo(name.substr(0, semicolon), kFieldLimit);
  if (semicolon != std::string_view::npos) {
    address.firstName = CutTo(name.substr(semicolon + 1), kFieldLimit);
  }
  address.company = CutTo(ValueOf(text, "ORG:"), kFieldLimit);
  if (text.find("VIP") != std::string_view::npos) {
    address.vip = 1;
    entry.name = CutTo(entry.name, kNameLimit - 1) + "!";
  }
  address.email = CutTo(ValueOf(text, "EMAIL;INTERNET:"), kFieldLimit);
  address.webAddress = CutTo(ValueOf(text, "URL:"), kFieldLimit);
  entry.number = CutTo(ValueOf(text, "TEL;HOME:"), kNumberLimit);
  entry.numberType = NumberTypeOf(entry.number);
  address.homeNumberType = entry.numberType;
  address.workNumber = CutTo(ValueOf(text, "TEL;WORK:"), kNumberLimit);
  address.cellNumber = CutTo(ValueOf(text, "TEL;CELL:"), kNumberLimit);
  address.faxNumber = CutTo(ValueOf(text, "TEL;FAX:"), kNumberLimit);
  if (text.find("ADR:") != std::string_view::npos) SplitAddress(ValueOf(text, "ADR:"), address);
  return card;
}

}  // namespace telvane::phonebook
