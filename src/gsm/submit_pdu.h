// SMS-SUBMIT PDUs for AT+CMGS (send) and AT+CMGW (store).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gsm/address_codec.h"

namespace telvane::gsm {

// Longest part text: 160 characters as 7-bit codes, 140 bytes as 8-bit data.
inline constexpr std::size_t kMaxSeptetPart = 160;
inline constexpr std::size_t kMaxOctetPart = 140;

struct SubmitRequest {
  std::string serviceCentre;          // empty: "00", the phone's own centre
  std::string destination;            // empty: "0000", a message stored without recipient
  std::string text;                   // one part, ISO 8859-1
  std::uint8_t messageReference = 0;  // the part's index within the message
  bool eightBit = false;              // "Use 8 bit characterset"
  bool flash = false;                 // "Flash-SMS"
  bool statusReport = false;
  int validityDays = 4;          // 1..4; anything else means 4 days
  bool convertEightBit = false;  // "GSMconv": LatinToGsm on 8-bit text too
  NumberingOptions numbering;    // applied to both numbers
};

struct SubmitPdu {
  std::string hex;            // the whole PDU, upper-case hex
  std::size_t commandLength;  // n of AT+CMGS=n and AT+CMGW=n,2: octets after the centre field
};

// Builds the PDU of one part. Returns nullopt when the text is longer than one part can carry
// or a number cannot be encoded (see EncodeAddress).
std::optional<SubmitPdu> BuildSubmitPdu(const SubmitRequest& request);

// The octets after the service-centre field of a PDU line, as AT+CMGS=n and AT+CMGW=n expect;
// nullopt when the line does not hold that field completely or has an odd length.
std::optional<std::size_t> CommandLength(std::string_view pduHex);

}  // namespace telvane::gsm
