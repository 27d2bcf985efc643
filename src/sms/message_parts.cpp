#include "sms/message_parts.h"

#include "gsm/submit_pdu.h"

namespace telvane::sms {

std::size_t SmsPartLength(bool eightBit) {
  return eightBit ? gsm::kMaxOctetPart : gsm::kMaxSeptetPart;
}

std::vector<std::string> SplitIntoParts(std::string_view text, std::size_t partLength) {
  std::vector<std::string> parts;
  if (partLength == 0) return parts;
  parts.reserve((text.size() + partLength - 1) / partLength);
  for (std::size_t at = 0; at < text.size(); at += partLength) {
    parts.emplace_back(text.substr(at, partLength));
  }
  return parts;
}

}  // namespace telvane::sms
