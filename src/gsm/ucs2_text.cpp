#include "gsm/ucs2_text.h"

#include <cstddef>
#include <cstdint>

namespace telvane::gsm {

namespace {

constexpr char kUnshown = '?';

std::uint16_t UnitAt(std::string_view octets, std::size_t pos) {
  return static_cast<std::uint16_t>((static_cast<std::uint8_t>(octets[pos]) << 8) |
                                    static_cast<std::uint8_t>(octets[pos + 1]));
}

bool IsHighSurrogate(std::uint16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(std::uint16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string Ucs2ToLatin1(std::string_view octets) {
  std::string text;
  text.reserve(octets.size() / 2);
  for (std::size_t pos = 0; pos + 1 < octets.size(); pos += 2) {
    const std::uint16_t unit = UnitAt(octets, pos);
    if (unit <= 0xFF) {
      text.push_back(static_cast<char>(unit));
      continue;
    }
    text.push_back(kUnshown);
    // The low half of a pair belongs to the "?" just written.
    if (IsHighSurrogate(unit) && pos + 3 < octets.size() &&
        IsLowSurrogate(UnitAt(octets, pos + 2))) {
      pos += 2;
    }
  }
  return text;
}

}  // namespace telvane::gsm
