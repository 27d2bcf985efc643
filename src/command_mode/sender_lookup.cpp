#include "command_mode/sender_lookup.h"

namespace telvane::command_mode {
namespace {

constexpr int kNationalType = 0x81;
constexpr int kNationalPrivateType = 0x89;
// Sender numbers of some operators' gateways carry these before the real number.
constexpr std::string_view kGatewayMarks[] = {"12320310", "1232041"};

}  // namespace

std::string SenderLookupKey(std::string_view sender, int addressType) {
  if (addressType == kNationalType || addressType == kNationalPrivateType) {
    for (std::string_view mark : kGatewayMarks) {
      if (const std::size_t at = sender.find(mark); at != std::string_view::npos) {
        return std::string(sender.substr(at + mark.size()));
      }
    }
    if (sender.starts_with('0')) sender.remove_prefix(1);
    return std::string(sender);
  }
  return std::string(sender.size() > 3 ? sender.substr(3) : std::string_view{});
}

std::optional<std::string> NameOfSender(const phonebook::ExternalBookTable& book,
                                        std::string_view sender, int addressType) {
  const std::string key = SenderLookupKey(sender, addressType);
  if (key.empty()) return std::nullopt;
  for (const phonebook::PhonebookEntry& entry : book) {
    if (entry.number.find(key) != std::string::npos) return entry.name;
  }
  return std::nullopt;
}

}  // namespace telvane::command_mode
