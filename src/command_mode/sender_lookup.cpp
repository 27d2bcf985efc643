#include "command_mode/command_listing.h"

#include "gsm/listed_pdu.h"
#include "link/answer_reader.h"

namespace telvane::command_mode {
namespace {

constexpr std::string_view kEntryHeader = "+CMGL:";
constexpr int kNationalType = 0x81;
constexpr int kNationalPrivateType = 0x89;
// Sender numbers of some operators' gateways carry these before the real number.
constexpr std::string_view kGatewayMarks[] = {"12320310", "1232041"};

}  // namespace

std::vector<CommandMessage> ParseCommandListing(std::string_view answer, bool swapDate) {
  std::vector<CommandMessage> messages;
  std::size_t header = answer.find(kEntryHeader);
  while (header != std::string_view::npos) {
    const std::string_view headerLine = link::UpToControl(answer.substr(header));
    std::size_t next = header + headerLine.size();
    const std::size_t pduStart = answer.find_first_not_of("\r\n", next);
    const auto index = link::LeadingNumber(headerLine.substr(kEntryHeader.size()));
    const auto status = link::NumberAfterSeparator(headerLine, ',');
    if (pduStart != std::string_view::npos && index) {
      const std::string_view pduLine = link::UpToControl(answer.substr(pduStart));
      if (!pduLine.starts_with(kEntryHeader)) {
        next = pduStart + pduLine.size();
        const int stat = status.value_or(0);
        const gsm::ListedPdu decoded = gsm::DecodeListedPdu(pduLine, stat, swapDate);
        messages.push_back({*index, stat, decoded.number, decoded.addressType, decoded.date,
                            decoded.text, decoded.statusReport});
      }
    }
    header = answer.find(kEntryHeader, next);
  }
  return messages;
}

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
