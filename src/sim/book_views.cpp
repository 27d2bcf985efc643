#include "sim/book_views.h"

#include <algorithm>

#include "gsm/gsm_alphabet.h"

namespace telvane::sim {
namespace {

constexpr int kAddressBookCapacity = 501;  // vcf objects 0-500 at positions 1-501

// The value of the first line starting with `key`, up to the line end.
std::optional<std::string_view> VCardValue(std::string_view vcard, std::string_view key) {
  std::size_t at = 0;
  while (at < vcard.size()) {
    const std::size_t end = std::min(vcard.find_first_of("\r\n", at), vcard.size());
    const std::string_view line = vcard.substr(at, end - at);
    if (line.starts_with(key)) {
      return line.substr(key.size());
    }
    at = end + 1;
  }
  return std::nullopt;
}

const std::string* AddressObject(const PhoneState& state, int index) {
  const auto ofType = state.objects.find("vcf");
  if (ofType == state.objects.end()) {
    return nullptr;
  }
  const auto object = ofType->second.find(index);
  return object == ofType->second.end() ? nullptr : &object->second;
}

bool Marked(const BookEntry& entry) { return !entry.name.empty() && entry.name.back() == '!'; }

}  // namespace

bool IsBookCode(std::string_view code) {
  return std::find(std::begin(kBookCodes), std::end(kBookCodes), code) != std::end(kBookCodes);
}

int BookCapacity(const PhoneState& state, std::string_view code) {
  if (code == "ME") {
    return kAddressBookCapacity;
  }
  if (code == "RD") {
    return kRedbookCapacity;
  }
  const PhoneBook* book = state.books.Find(code);
  return book != nullptr ? book->capacity : 0;
}

std::optional<BookEntry> BookEntryAt(const PhoneState& state, std::string_view code, int position) {
  if (code == "ME") {
    const std::string* vcard = AddressObject(state, position - 1);
    return vcard != nullptr ? std::optional(AddressBookEntry(*vcard)) : std::nullopt;
  }
  if (code == "RD") {
    const auto redbook = RedbookEntries(state);
    return position >= 1 && position <= static_cast<int>(redbook.size())
               ? std::optional(redbook[position - 1])
               : std::nullopt;
  }
  const PhoneBook* book = state.books.Find(code);
  const BookEntry* entry = book != nullptr ? book->Find(position) : nullptr;
  return entry != nullptr ? std::optional(*entry) : std::nullopt;
}

int BookEntriesUsed(const PhoneState& state, std::string_view code) {
  if (code == "ME") {
    const auto ofType = state.objects.find("vcf");
    return ofType == state.objects.end() ? 0 : static_cast<int>(ofType->second.size());
  }
  if (code == "RD") {
    return static_cast<int>(RedbookEntries(state).size());
  }
  const PhoneBook* book = state.books.Find(code);
  return book != nullptr ? static_cast<int>(book->entries.size()) : 0;
}

BookEntry AddressBookEntry(std::string_view vcard) {
  BookEntry entry;
  std::string name(VCardValue(vcard, "N:").value_or(""));
  std::erase(name, '"');
  for (char& c : name) {
    c = static_cast<char>(gsm::LatinToGsmCode(static_cast<std::uint8_t>(c)));
  }
  entry.name = name.substr(0, 2 * kMaxNameLength);
  auto number = VCardValue(vcard, "TEL;HOME:");
  if (!number) {
    number = VCardValue(vcard, "TEL");
    if (number) {
      number = number->substr(std::min(number->find(':') + 1, number->size()));
    }
  }
  entry.number = NormaliseNumber(number.value_or(""), 129).value_or("");
  entry.type = NumberType(entry.number);
  return entry;
}

std::vector<BookEntry> RedbookEntries(const PhoneState& state) {
  std::vector<BookEntry> redbook;
  for (const PhoneBook* book : {&state.books.sim, &state.books.fixedDialling}) {
    for (const auto& [position, entry] : book->entries) {
      if (Marked(entry)) {
        redbook.push_back(entry);
      }
    }
  }
  if (const auto ofType = state.objects.find("vcf"); ofType != state.objects.end()) {
    for (const auto& [index, vcard] : ofType->second) {
      const auto categories = VCardValue(vcard, "CATEGORIES:");
      if (categories && categories->find("VIP") != std::string_view::npos) {
        BookEntry entry = AddressBookEntry(vcard);
        entry.name += '!';
        redbook.push_back(std::move(entry));
      }
    }
  }
  if (redbook.size() > static_cast<std::size_t>(kRedbookCapacity)) {
    redbook.resize(kRedbookCapacity);
  }
  return redbook;
}

}  // namespace telvane::sim
