#include "sim/sms_pdu_check.h"

#include <algorithm>

#include "gsm/hex.h"

namespace telvane::sim {
namespace {

constexpr int kMaxCentreOctets = 11;  // type and ten octets of digits
constexpr int kMaxAddressDigits = 20;
constexpr int kMaxSeptets = 160;
constexpr int kMaxOctets = 140;
constexpr std::size_t kTimestampOctets = 7;

// The validity period field's length by TP-VPF (bits 3-4 of the first octet): none,
// enhanced, relative, absolute.
std::size_t ValidityOctets(std::uint8_t firstOctet) {
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

// A transfer part read octet by octet; reading past its end fails and stays failed.
class TpduReader {
 public:
  explicit TpduReader(std::string octets, std::size_t position)
      : octets_(std::move(octets)), position_(position) {}

  std::uint8_t Octet() {
    if (position_ >= octets_.size()) {
      failed_ = true;
      return 0;
    }
    return static_cast<std::uint8_t>(octets_[position_++]);
  }
  std::string Octets(std::size_t count) {
    if (count > octets_.size() - std::min(position_, octets_.size())) {
      failed_ = true;
      position_ = octets_.size();
      return {};
    }
    position_ += count;
    return octets_.substr(position_ - count, count);
  }
  // The address field (digit count, type, digits) when it has at most 20 digits.
  std::string Address() {
    const std::uint8_t digits = Octet();
    if (digits > kMaxAddressDigits) {
      failed_ = true;
    }
    return static_cast<char>(digits) + Octets(1 + (digits + 1u) / 2);
  }
  // TP-UDL and the user data, when the rest is exactly as long as the length and coding say.
  std::string UserData(std::uint8_t scheme) {
    const std::size_t start = position_;
    const std::uint8_t length = Octet();
    const bool septets = IsSeptetCoding(scheme);
    if (length > (septets ? kMaxSeptets : kMaxOctets)) {
      failed_ = true;
    }
    const std::size_t dataOctets = septets ? (length * 7u + 7) / 8 : length;
    if (failed_ || octets_.size() - position_ != dataOctets) {
      failed_ = true;
      return {};
    }
    position_ = octets_.size();
    return octets_.substr(start);
  }
  bool Failed() const { return failed_; }

 private:
  std::string octets_;
  std::size_t position_;
  bool failed_ = false;
};

// The reader positioned after a service-centre field of at most 11 octets that leaves exactly
// `announcedLength` octets; nothing (and why) otherwise.
std::optional<TpduReader> ReadCentre(std::string_view pduHex, int announcedLength,
                                     std::string& centre, PduRefusal& refusal) {
  if (pduHex.empty() || pduHex.size() % 2 != 0 || gsm::HexPrefixLength(pduHex) != pduHex.size()) {
    refusal = PduRefusal::kBadCharacter;
    return std::nullopt;
  }
  std::string octets = gsm::FromHex(pduHex);
  const int centreOctets = static_cast<std::uint8_t>(octets[0]);
  if (centreOctets > kMaxCentreOctets) {
    refusal = PduRefusal::kCentreLength;
    return std::nullopt;
  }
  if (static_cast<int>(octets.size()) - 1 - centreOctets != announcedLength) {
    refusal = PduRefusal::kLength;
    return std::nullopt;
  }
  centre = octets.substr(0, 1 + static_cast<std::size_t>(centreOctets));
  return TpduReader(std::move(octets), centre.size());
}

// The refusal for a transfer part read to its end: the message type of its first octet
// first, then its fields.
PduRefusal Judge(const TpduReader& reader, std::uint8_t firstOctet, std::uint8_t type) {
  if ((firstOctet & 0x03) != type) return PduRefusal::kWrongType;
  return reader.Failed() ? PduRefusal::kFields : PduRefusal::kNone;
}

}  // namespace

std::optional<SubmitPdu> ParseSubmitPdu(std::string_view pduHex, int announcedLength,
                                        PduRefusal* refusal) {
  PduRefusal why = PduRefusal::kNone;
  SubmitPdu pdu;
  auto reader = ReadCentre(pduHex, announcedLength, pdu.centre, why);
  if (reader) {
    pdu.firstOctet = reader->Octet();
    reader->Octet();  // the message reference: the phone gives its own
    pdu.destination = reader->Address();
    pdu.protocol = reader->Octet();
    pdu.scheme = reader->Octet();
    reader->Octets(ValidityOctets(pdu.firstOctet));
    pdu.userData = reader->UserData(pdu.scheme);
    why = Judge(*reader, pdu.firstOctet, kSubmitType);
  }
  if (refusal) *refusal = why;
  if (why != PduRefusal::kNone) return std::nullopt;
  return pdu;
}

bool IsDeliverPdu(std::string_view pduHex, int announcedLength, PduRefusal* refusal) {
  PduRefusal why = PduRefusal::kNone;
  std::string centre;
  auto reader = ReadCentre(pduHex, announcedLength, centre, why);
  if (reader) {
    const std::uint8_t firstOctet = reader->Octet();
    reader->Address();
    reader->Octet();  // protocol identifier
    const std::uint8_t scheme = reader->Octet();
    reader->Octets(kTimestampOctets);
    reader->UserData(scheme);
    why = Judge(*reader, firstOctet, kDeliverType);
  }
  if (refusal) *refusal = why;
  return why == PduRefusal::kNone;
}

}  // namespace telvane::sim
