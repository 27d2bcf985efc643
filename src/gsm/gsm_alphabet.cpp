#include "gsm/gsm_alphabet.h"

namespace telvane::gsm {

namespace {

// Reverse of GsmAlphabetTable where the first index wins; bytes held nowhere map to themselves.
constexpr std::array<std::uint8_t, 256> BuildLatinToGsm() {
  std::array<std::uint8_t, 256> reverse{};
  std::array<bool, 256> found{};
  for (std::size_t latin = 0; latin < reverse.size(); ++latin) {
    reverse[latin] = static_cast<std::uint8_t>(latin);
  }
  for (std::size_t code = 0; code < GsmAlphabetTable.size(); ++code) {
    const std::uint8_t latin = GsmAlphabetTable[code];
    if (!found[latin]) {
      found[latin] = true;
      reverse[latin] = static_cast<std::uint8_t>(code);
    }
  }
  return reverse;
}

constexpr std::array<std::uint8_t, 256> kLatinToGsm = BuildLatinToGsm();

}  // namespace

std::uint8_t GsmCodeToLatin(std::uint8_t code) {
  if (code == 0x40) code = 0x00;
  if (code >= GsmAlphabetTable.size()) return code;
  return GsmAlphabetTable[code];
}

std::uint8_t LatinToGsmCode(std::uint8_t latin) { return kLatinToGsm[latin]; }

void GsmToLatin(std::span<char> bytes) {
  for (char& byte : bytes) {
    byte = static_cast<char>(GsmCodeToLatin(static_cast<std::uint8_t>(byte)));
  }
}

void LatinToGsm(std::span<char> text) {
  for (char& byte : text) {
    byte = static_cast<char>(LatinToGsmCode(static_cast<std::uint8_t>(byte)));
  }
}

}  // namespace telvane::gsm
