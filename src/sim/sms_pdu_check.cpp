#include "sim/sms_pdu_check.h"

#include <cstdint>
#include <optional>
#include <string>

#include "gsm/hex.h"

namespace telvane::sim {
namespace {

constexpr int kMaxCentreOctets = 11;  // type and ten octets of digits
constexpr int kMaxAddressDigits = 20;
constexpr int kMaxSeptets = 160;
constexpr int kMaxOctets = 140;

// The validity period field's length by TP-VPF (bits 3-4 of the first octet): none,
// enhanced, relative, absolute.
int ValidityOctets(std::uint8_t firstOctet) {
  switch ((firstOctet >> 3) & 0x03) {
    case 0: return 0;
    case 2: return 1;
    default: return 7;
  }
}

// Whether the data coding scheme (GSM 03.38) carries 7-bit default alphabet septets; reserved
// codings count as the default alphabet.
bool IsSeptetCoding(std::uint8_t scheme) {
  const int group = scheme >> 4;
  if (group <= 0x7) {  // general data coding (bit 5: compressed, then octets)
    return (scheme & 0x20) == 0 && ((scheme >> 2) & 0x03) == 0;
  }
  if (group == 0xE) {  // message waiting, UCS2
    return false;
  }
  if (group == 0xF) {  // data coding / message class: bit 2 chooses 8-bit data
    return (scheme & 0x04) == 0;
  }
  return true;  // message waiting groups with the default alphabet, and reserved groups
}

}  // namespace

bool IsSubmitPdu(std::string_view pduHex, int announcedLength) {
  if (pduHex.empty() || pduHex.size() % 2 != 0 || gsm::HexPrefixLength(pduHex) != pduHex.size()) {
    return false;
  }
  const std::string octets = gsm::FromHex(pduHex);
  const auto at = [&octets](std::size_t position) -> std::optional<std::uint8_t> {
    if (position >= octets.size()) {
      return std::nullopt;
    }
    return static_cast<std::uint8_t>(octets[position]);
  };

  const int centreOctets = *at(0);
  if (centreOctets > kMaxCentreOctets ||
      static_cast<int>(octets.size()) - 1 - centreOctets != announcedLength) {
    return false;
  }
  std::size_t position = 1 + static_cast<std::size_t>(centreOctets);
  const auto firstOctet = at(position);
  if (!firstOctet || (*firstOctet & 0x03) != 0x01) {
    return false;
  }
  const auto addressDigits = at(position + 2);  // after the message reference
  if (!addressDigits || *addressDigits > kMaxAddressDigits) {
    return false;
  }
  // Address type, the digits in pairs, protocol identifier; then the coding scheme.
  position += 3 + 1 + (*addressDigits + 1) / 2 + 1;
  const auto scheme = at(position);
  position += 1 + static_cast<std::size_t>(ValidityOctets(*firstOctet));
  const auto dataLength = at(position);
  if (!scheme || !dataLength) {
    return false;
  }
  const bool septets = IsSeptetCoding(*scheme);
  if (*dataLength > (septets ? kMaxSeptets : kMaxOctets)) {
    return false;
  }
  const std::size_t dataOctets = septets ? (*dataLength * 7 + 7) / 8 : *dataLength;
  return octets.size() == position + 1 + dataOctets;
}

}  // namespace telvane::sim
