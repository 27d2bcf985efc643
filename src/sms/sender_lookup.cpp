#include "sms/sender_lookup.h"

#include "gsm/address_codec.h"

namespace telvane::sms {
namespace {

constexpr int kNationalType = 0x81;
constexpr int kNationalPrivateType = 0x89;
constexpr int kNetworkSpecificType = 0x83;
// Sender numbers of some operators' gateways carry these before the real number.
constexpr std::string_view kLongGatewayMark = "12320310";
constexpr std::string_view kShortGatewayMark = "1232041";
constexpr std::string_view kGatewayMarks[] = {kLongGatewayMark, kShortGatewayMark};

bool National(int addressType) {
  return addressType == kNationalType || addressType == kNationalPrivateType;
}

std::string WithoutFirst(std::string_view text, std::size_t count) {
  return std::string(text.size() > count ? text.substr(count) : std::string_view{});
}

}  // namespace

std::string SenderLookupKey(std::string_view sender, int addressType) {
  if (National(addressType)) {
    for (std::string_view mark : kGatewayMarks) {
      if (const std::size_t at = sender.find(mark); at != std::string_view::npos) {
        return std::string(sender.substr(at + mark.size()));
      }
    }
    if (sender.starts_with('0')) sender.remove_prefix(1);
    return std::string(sender);
  }
  return WithoutFirst(sender, 3);
}

std::string ListLookupKey(std::string_view number, int addressType) {
  if (gsm::IsAlphanumericAddress(addressType)) return {};
  if (National(addressType)) {
    if (number.find(kLongGatewayMark) != std::string_view::npos) return WithoutFirst(number, 8);
    if (number.find(kShortGatewayMark) != std::string_view::npos) return WithoutFirst(number, 7);
    if (number.starts_with('0')) return WithoutFirst(number, 1);
    return std::string(number);
  }
  if (addressType == kNetworkSpecificType) return WithoutFirst(number, 4);
  return WithoutFirst(number, 3);
}

std::optional<std::string> NameForKey(const phonebook::ExternalBookTable& book,
                                      std::string_view key) {
  if (key.empty()) return std::nullopt;
  for (const phonebook::PhonebookEntry& entry : book) {
    if (entry.position == 0) break;
    if (entry.number.find(key) != std::string::npos) return entry.name;
  }
  return std::nullopt;
}

std::optional<std::string> NameOfSender(const phonebook::ExternalBookTable& book,
                                        std::string_view sender, int addressType) {
  if (gsm::IsAlphanumericAddress(addressType)) return std::nullopt;
  return NameForKey(book, SenderLookupKey(sender, addressType));
}

}  // namespace telvane::sms
