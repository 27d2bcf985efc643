#include "phonebook/vcard_reader.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "phonebook/content_line.h"

namespace telvane::phonebook {
namespace {

// The properties of a card, each unfolded line parsed, in card order. The values are
// views into `lines`, which is complete before any is parsed.
struct CardProperties {
  std::vector<std::string> lines;
  std::vector<ContentLine> properties;
};

CardProperties Properties(std::string_view text) {
  CardProperties card;
  ContentLineJoiner joiner;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view physical = text.substr(0, end);
    if (!physical.empty() && physical.back() == '\r') physical.remove_suffix(1);
    if (auto logical = joiner.Add(physical)) card.lines.push_back(std::move(*logical));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  if (auto logical = joiner.Finish()) card.lines.push_back(std::move(*logical));
  for (const std::string& line : card.lines) {
    if (auto parsed = ParseContentLine(line)) card.properties.push_back(std::move(*parsed));
  }
  return card;
}

// The value of the first property with this name and exactly these parameters (as the
// phone writes them: "TEL;HOME:"), up to a line end; empty when there is none.
std::string_view ValueOf(const CardProperties& card, std::string_view name,
                         std::initializer_list<std::string_view> types = {}) {
  for (const ContentLine& line : card.properties) {
    if (line.name != name || line.types.size() != types.size()) continue;
    if (!std::equal(types.begin(), types.end(), line.types.begin(),
                    [](std::string_view a, const std::string& b) { return a == UpperCase(b); })) {
      continue;
    }
    return line.value.substr(0, line.value.find_first_of("\r\n"));
  }
  return {};
}

// A CATEGORIES property that lists VIP.
bool IsVip(const CardProperties& card) {
  for (const ContentLine& line : card.properties) {
    if (line.name != "CATEGORIES") continue;
    std::string_view rest = line.value;
    while (!rest.empty()) {
      const std::size_t comma = rest.find_first_of(",;");
      if (UpperCase(rest.substr(0, comma)) == "VIP") return true;
      rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
  }
  return false;
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

  const CardProperties properties = Properties(text);
  const std::string_view name = ValueOf(properties, "N");
  entry.name = CutTo(name, kNameLimit);
  const std::size_t semicolon = name.find(';');
  address.lastName = CutTo(name.substr(0, semicolon), kFieldLimit);
  if (semicolon != std::string_view::npos) {
    address.firstName = CutTo(name.substr(semicolon + 1), kFieldLimit);
  }
  address.company = CutTo(ValueOf(properties, "ORG"), kFieldLimit);
  if (IsVip(properties)) {
    address.vip = 1;
    entry.name = CutTo(entry.name, kNameLimit - 1) + "!";
  }
  address.email = CutTo(ValueOf(properties, "EMAIL", {"INTERNET"}), kFieldLimit);
  address.webAddress = CutTo(ValueOf(properties, "URL"), kFieldLimit);
  entry.number = CutTo(ValueOf(properties, "TEL", {"HOME"}), kNumberLimit);
  entry.numberType = NumberTypeOf(entry.number);
  address.homeNumberType = entry.numberType;
  address.workNumber = CutTo(ValueOf(properties, "TEL", {"WORK"}), kNumberLimit);
  address.cellNumber = CutTo(ValueOf(properties, "TEL", {"CELL"}), kNumberLimit);
  address.faxNumber = CutTo(ValueOf(properties, "TEL", {"FAX"}), kNumberLimit);
  SplitAddress(ValueOf(properties, "ADR"), address);
  return card;
}

}  // namespace telvane::phonebook
