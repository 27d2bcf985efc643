// Feeds arbitrary hex user data to the 7-bit unpacker and checks it against the packer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gsm/hex.h"
#include "gsm/septets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view hex(reinterpret_cast<const char*>(data), size);
  const std::size_t octets = telvane::gsm::FromHex(hex).size();

  const std::string codes = telvane::gsm::UnpackSeptets(hex);
  if (codes.size() > (octets * 8 + 6) / 7) std::abort();
  for (char code : codes) {
    if (static_cast<std::uint8_t>(code) > 0x7F) std::abort();
  }
  // Packing the codes again needs at most one octet more (leftover bits that were not zero
  // read as a last code).
  const std::string repacked = telvane::gsm::PackSeptets(codes);
  if (repacked.size() > octets + 1) std::abort();

  const std::size_t septetCount = size > 0 ? data[0] : 0;
  const std::string counted = telvane::gsm::UnpackSeptets(hex, septetCount);
  if (counted.size() > septetCount && counted != codes) std::abort();
  return 0;
}
