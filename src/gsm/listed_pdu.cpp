#include "gsm/listed_pdu.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "gsm/address_codec.h"
#include "gsm/hex.h"
#include "gsm/timestamp.h"
#include "gsm/user_data.h"

namespace telvane::gsm {

namespace {

constexpr std::size_t kStampChars = 14;
constexpr std::uint8_t kMessageTypeMask = 0x03;
constexpr std::uint8_t kStatusReportType = 0x02;
constexpr std::uint8_t kUserDataHeader = 0x40;  // TP-UDHI in the first octet
// An address holds at most 20 digits, so a larger "length" is a status report's reference.
constexpr std::uint8_t kMaxAddressLength = 24;

// Reads a hex line front to back; reads past the end give nothing.
class HexCursor {
 public:
  explicit HexCursor(std::string_view hex) : hex_(hex) {}

  std::optional<std::uint8_t> ReadOctet() {
    const auto octet = ReadHexOctet(hex_, pos_);
    if (octet) pos_ += 2;
    return octet;
  }

  void SkipOctets(std::size_t count) { Take(2 * count); }

  // Up to chars characters; fewer when the line ends first.
  std::string_view Take(std::size_t chars) {
    const std::string_view taken = hex_.substr(pos_, chars);
    pos_ += taken.size();
    return taken;
  }

  std::string_view Rest() const { return hex_.substr(pos_); }

 private:
  std::string_view hex_;
  std::size_t pos_ = 0;
};

// Octets of validity period in an SMS-SUBMIT, from its first octet.
std::size_t ValidityPeriodOctets(std::uint8_t firstOctet) {
  switch ((firstOctet >> 3) & 0x03) {
    case 0: return 0;   // none
    case 2: return 1;   // relative
    default: return 7;  // enhanced or absolute
  }
}

}  // namespace

ListedPdu DecodeListedPdu(std::string_view line, int status, bool swapDate) {
  ListedPdu row;
  HexCursor cursor(line.substr(0, HexPrefixLength(line)));
  const bool stored = status == 2 || status == 3;

  const auto centreLength = cursor.ReadOctet();
  if (!centreLength) return row;
  cursor.SkipOctets(*centreLength);
  const auto firstOctet = cursor.ReadOctet();
  if (!firstOctet) return row;
  if (stored) cursor.SkipOctets(1);  // message reference

  auto addressLength = cursor.ReadOctet();
  if (!addressLength) return row;
  const bool typedReport = !stored && (*firstOctet & kMessageTypeMask) == kStatusReportType;
  if (typedReport || *addressLength > kMaxAddressLength) {
    // That octet was the message reference of a status report.
    row.statusReport = true;
    addressLength = cursor.ReadOctet();
    if (!addressLength) return row;
  }

  const std::string_view type = cursor.Take(2);
  if (const auto typeOctet = ReadHexOctet(type, 0)) row.addressType = *typeOctet;
  const std::size_t digitChars = *addressLength + (*addressLength % 2);
  std::string address(type);
  address += cursor.Take(digitChars);
  row.number = DecodeAddress(address, *addressLength);

  if (!stored && row.statusReport) {
    row.date = DecodeTimestamp(cursor.Take(kStampChars), swapDate);
    row.text = DecodeTimestamp(cursor.Take(kStampChars), swapDate);  // discharge time
    return row;
  }

  cursor.SkipOctets(1);  // protocol identifier
  const auto dataCoding = cursor.ReadOctet();
  if (!dataCoding) return row;
  if (stored) {
    cursor.SkipOctets(ValidityPeriodOctets(*firstOctet));
  } else {
    row.date = DecodeTimestamp(cursor.Take(kStampChars), swapDate);
  }
  const auto userDataLength = cursor.ReadOctet();
  if (!userDataLength || *userDataLength == 0) return row;
  const bool hasHeader = (*firstOctet & kUserDataHeader) != 0;
  row.text = DecodeUserData(cursor.Rest(), *dataCoding, *userDataLength, hasHeader);
  return row;
}

}  // namespace telvane::gsm
