#include "gsm/submit_pdu.h"

#include "gsm/gsm_alphabet.h"
#include "gsm/hex.h"
#include "gsm/septets.h"

namespace telvane::gsm {

namespace {

constexpr std::uint8_t kFirstOctet = 0x11;  // SMS-SUBMIT, relative validity period
constexpr std::uint8_t kStatusReportRequest = 0x20;
constexpr std::uint8_t kEightBitClass2 = 0xF6;
constexpr std::uint8_t kFlashBits = 0xF0;

std::uint8_t ValidityOctet(int days) {
  // 0xA7 is 24 hours, 0xA8..0xAA are 2..4 days.
  if (days >= 1 && days <= 4) return static_cast<std::uint8_t>(0xA6 + days);
  return 0xAA;
}

std::uint8_t DataCoding(bool eightBit, bool flash) {
  std::uint8_t scheme = eightBit ? kEightBitClass2 : 0x00;
  if (flash) scheme = static_cast<std::uint8_t>((scheme & ~0x03) | kFlashBits);
  return scheme;
}

}  // namespace

std::optional<SubmitPdu> BuildSubmitPdu(const SubmitRequest& request) {
  const std::size_t limit = request.eightBit ? kMaxOctetPart : kMaxSeptetPart;
  if (request.text.size() > limit) return std::nullopt;

  std::string centre = "00";
  if (!request.serviceCentre.empty()) {
    auto field =
        EncodeAddress(request.serviceCentre, AddressRole::kServiceCentre, request.numbering);
    if (!field) return std::nullopt;
    centre = std::move(*field);
  }
  std::string destination = "0000";
  if (!request.destination.empty()) {
    auto field = EncodeAddress(request.destination, AddressRole::kDestination, request.numbering);
    if (!field) return std::nullopt;
    destination = std::move(*field);
  }

  std::string userData = request.text;
  if (!request.eightBit || request.convertEightBit) LatinToGsm(userData);
  if (!request.eightBit) userData = PackSeptets(userData);

  std::string hex = centre;
  AppendHexOctet(hex, request.statusReport ? kFirstOctet | kStatusReportRequest : kFirstOctet);
  AppendHexOctet(hex, request.messageReference);
  hex += destination;
  AppendHexOctet(hex, 0x00);  // protocol identifier
  AppendHexOctet(hex, DataCoding(request.eightBit, request.flash));
  AppendHexOctet(hex, ValidityOctet(request.validityDays));
  AppendHexOctet(hex, static_cast<std::uint8_t>(request.text.size() % 256));
  hex += ToHex(userData);
  return SubmitPdu{hex, (hex.size() - centre.size()) / 2};
}

std::optional<std::size_t> CommandLength(std::string_view pduHex) {
  const auto centreLength = ReadHexOctet(pduHex, 0);
  if (!centreLength || pduHex.size() % 2 != 0) return std::nullopt;
  const std::size_t centreChars = 2 + 2 * static_cast<std::size_t>(*centreLength);
  if (pduHex.size() < centreChars) return std::nullopt;
  return (pduHex.size() - centreChars) / 2;
}

}  // namespace telvane::gsm
