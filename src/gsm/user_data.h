// The text of an SMS user-data field, in the alphabet its data coding scheme names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace telvane::gsm {

enum class TextCoding {
  kSevenBit,    // GSM default alphabet, packed
  kEightBit,    // one byte per octet
  kUcs2,        // 16-bit units, high octet first
  kCompressed,  // compressed text, not decoded
};

// The alphabet of a data coding scheme by its GSM 03.38 coding group: general data coding
// (00xx, and 01xx marked for automatic deletion) by bits 3-2 (00 7-bit, 01 8-bit, 10 UCS2,
// the reserved 11 read as 8-bit; bit 5 marks compressed text); message waiting 1100 and 1101
// 7-bit, 1110 UCS2; 1111 7-bit or, with bit 2, 8-bit; the reserved groups 1000..1011 7-bit.
TextCoding CodingOfScheme(std::uint8_t dataCoding);

// The ISO 8859-1 text of the user data written as hex, with the user-data length `length`
// (septets for 7-bit, octets otherwise). With `hasHeader` (TP-UDHI) the user-data header is
// skipped: its length octet and the octets it counts, and for 7-bit the fill bits up to the
// next septet. 7-bit and 8-bit text pass the GSM table; UCS2 maps as Ucs2ToLatin1 does.
// Compressed text, and a header that runs past the data, give an empty text. Never reads
// beyond `hex`.
std::string DecodeUserData(std::string_view hex, std::uint8_t dataCoding, std::size_t length,
                           bool hasHeader);

}  // namespace telvane::gsm
