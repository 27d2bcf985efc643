#include "gsm/septets.h"

#include <cstdint>

#include "gsm/hex.h"

namespace telvane::gsm {

namespace {

// Every code the octets hold, the last one possibly made of leftover bits only.
std::string UnpackAll(std::string_view octets) {
  std::string codes;
  codes.reserve(octets.size() * 8 / 7 + 1);
  std::uint32_t bits = 0;
  int bitCount = 0;
  for (char octet : octets) {
    bits |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(octet)) << bitCount;
    bitCount += 8;
    while (bitCount >= 7) {
      codes.push_back(static_cast<char>(bits & 0x7F));
      bits >>= 7;
      bitCount -= 7;
    }
  }
  if (bitCount > 0) codes.push_back(static_cast<char>(bits & 0x7F));
  return codes;
}

}  // namespace

std::string PackSeptets(std::string_view codes) {
  std::string octets;
  octets.reserve((codes.size() * 7 + 7) / 8);
  std::uint32_t bits = 0;
  int bitCount = 0;
  for (char code : codes) {
    bits |= (static_cast<std::uint32_t>(static_cast<std::uint8_t>(code)) & 0x7F) << bitCount;
    bitCount += 7;
    while (bitCount >= 8) {
      octets.push_back(static_cast<char>(bits & 0xFF));
      bits >>= 8;
      bitCount -= 8;
    }
  }
  if (bitCount > 0) octets.push_back(static_cast<char>(bits & 0xFF));
  return octets;
}

std::string UnpackSeptets(std::string_view hex) {
  std::string codes = UnpackAll(FromHex(hex));
  if (!codes.empty() && codes.back() == 0) codes.pop_back();
  return codes;
}

std::string UnpackSeptets(std::string_view hex, std::size_t septetCount) {
  std::string codes = UnpackAll(FromHex(hex));
  if (septetCount <= codes.size()) {
    codes.resize(septetCount);
  } else if (!codes.empty() && codes.back() == 0) {
    codes.pop_back();
  }
  return codes;
}

}  // namespace telvane::gsm
