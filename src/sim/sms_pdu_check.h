// The checks a phone makes on a PDU line given to AT+CMGS or AT+CMGW.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::sim {

// The longest SMS-SUBMIT transfer part: header with a 20-digit destination and an absolute
// validity period, and 140 octets of user data.
inline constexpr int kMaxSubmitOctets = 164;
// The shortest: first octet, reference, empty destination, PID, DCS and data length.
inline constexpr int kMinSubmitOctets = 7;
// An SMS-DELIVER: first octet, originator (up to 20 digits), PID, DCS, the 7-octet time
// stamp, data length and up to 140 octets of user data.
inline constexpr int kMaxDeliverOctets = 163;
inline constexpr int kMinDeliverOctets = 13;

// TP-MTI, the message type in the low two bits of the first octet.
inline constexpr std::uint8_t kDeliverType = 0x00;
inline constexpr std::uint8_t kSubmitType = 0x01;

// The fields of an SMS-SUBMIT the phone acts on, as octets.
struct SubmitPdu {
  std::string centre;  // the service-centre field, its length octet first ("\0": the phone's)
  std::uint8_t firstOctet = 0;
  std::string destination;  // the address field: digit count, type of address, digits
  std::uint8_t protocol = 0;
  std::uint8_t scheme = 0;
  std::string userData;  // TP-UDL and the user data, a header included

  bool WantsStatusReport() const { return (firstOctet & 0x20) != 0; }
  bool HasHeader() const { return (firstOctet & 0x40) != 0; }
};

// Why a PDU line is refused, in the order the checks run.
enum class PduRefusal {
  kNone,
  kBadCharacter,  // not hex digits in pairs
  kCentreLength,  // a service-centre field longer than 11 octets
  kLength,        // not exactly the announced octets after the centre field
  kFields,        // a field missing or too long, user data not as long as TP-UDL says
  kWrongType,     // TP-MTI not the message type asked for
};

// The SMS-SUBMIT of `pduHex` when it is hex digits (either case) in pairs: a service-centre
// field of at most 11 octets, then exactly `announcedLength` octets whose fields are all
// present and whose user data is as long as its TP-UDL and coding say.
// Otherwise none, with the reason in `refusal` when given.
std::optional<SubmitPdu> ParseSubmitPdu(std::string_view pduHex, int announcedLength,
                                        PduRefusal* refusal = nullptr);

// The same checks for an SMS-DELIVER (TP-MTI 00), as a received message is written back.
bool IsDeliverPdu(std::string_view pduHex, int announcedLength, PduRefusal* refusal = nullptr);

}  // namespace telvane::sim
