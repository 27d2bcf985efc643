#include "gsm/user_data.h"

#include "gsm/gsm_alphabet.h"
#include "gsm/hex.h"
#include "gsm/septets.h"
#include "gsm/ucs2_text.h"

namespace telvane::gsm {

namespace {

constexpr std::uint8_t kCompressedBit = 0x20;
constexpr std::uint8_t kEightBitBit = 0x04;

TextCoding GeneralAlphabet(std::uint8_t dataCoding) {
  if ((dataCoding & kCompressedBit) != 0) return TextCoding::kCompressed;
  switch ((dataCoding >> 2) & 0x03) {
    case 0: return TextCoding::kSevenBit;
    case 2: return TextCoding::kUcs2;
    default: return TextCoding::kEightBit;  // 01, and the reserved 11
  }
}

// 7-bit codes after the header; the header's octets plus fill bits take whole septets.
std::string SevenBitText(std::string_view hex, std::size_t septets, bool hasHeader) {
  std::size_t skipped = 0;
  if (hasHeader) {
    const auto headerLength = ReadHexOctet(hex, 0);
    if (!headerLength) return {};
    skipped = ((*headerLength + 1u) * 8 + 6) / 7;
  }
  std::string codes = UnpackSeptets(hex, septets);
  if (codes.size() <= skipped) return {};
  codes.erase(0, skipped);
  GsmToLatin(codes);
  return codes;
}

// The octets of 8-bit or UCS2 user data after the header.
std::string DataOctets(std::string_view hex, std::size_t octetCount, bool hasHeader) {
  std::string octets = FromHex(hex.substr(0, 2 * octetCount));
  if (!hasHeader) return octets;
  if (octets.empty()) return {};
  const std::size_t headerOctets = static_cast<std::uint8_t>(octets[0]) + 1u;
  if (headerOctets >= octets.size()) return {};
  return octets.substr(headerOctets);
}

}  // namespace

TextCoding CodingOfScheme(std::uint8_t dataCoding) {
  switch (dataCoding >> 4) {
    case 0xC:
    case 0xD: return TextCoding::kSevenBit;  // message waiting, discard or store
    case 0xE: return TextCoding::kUcs2;      // message waiting, store, UCS2
    case 0xF:
      return (dataCoding & kEightBitBit) != 0 ? TextCoding::kEightBit : TextCoding::kSevenBit;
    default:
      if (dataCoding < 0x80) return GeneralAlphabet(dataCoding);
      return TextCoding::kSevenBit;  // reserved groups
  }
}

std::string DecodeUserData(std::string_view hex, std::uint8_t dataCoding, std::size_t length,
                           bool hasHeader) {
  switch (CodingOfScheme(dataCoding)) {
    case TextCoding::kSevenBit: return SevenBitText(hex, length, hasHeader);
    case TextCoding::kEightBit: {
      std::string text = DataOctets(hex, length, hasHeader);
      GsmToLatin(text);
      return text;
    }
    case TextCoding::kUcs2: return Ucs2ToLatin1(DataOctets(hex, length, hasHeader));
    case TextCoding::kCompressed: return {};
  }
  return {};
}

}  // namespace telvane::gsm
