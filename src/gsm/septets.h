// GSM 7-bit packing of user data.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telvane::gsm {

// Packs codes (each taken modulo 128) least significant bits first; n codes give
// ceil(7 * n / 8) octets. Every code, 0x00 included, is packed the same way.
std::string PackSeptets(std::string_view codes);

// Unpacks the octets written as hex user data (up to the first incomplete or non-hex pair).
// The leftover bits of the last octet form a final code; when it is 0 it is the filler and is
// dropped, otherwise it is the last character. Returns GSM codes, not yet converted to Latin.
std::string UnpackSeptets(std::string_view hex);

// As above, but the user-data length of the PDU says how many codes the message holds: at
// most septetCount codes are returned, so a real "@" at the end survives. When the data is
// shorter than septetCount (a cut line), the filler rule above decides.
std::string UnpackSeptets(std::string_view hex, std::size_t septetCount);

}  // namespace telvane::gsm
