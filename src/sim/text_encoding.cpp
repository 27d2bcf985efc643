#include "sim/text_encoding.h"

#include <array>
#include <cstdint>

#include "gsm/hex.h"
#include "gsm/latin1_text.h"

namespace telvane::sim {
namespace {

// Unicode of each GSM 03.38 default-alphabet code; 0x1B (the escape to the extension
// table) is shown as a no-break space.
constexpr std::array<char16_t, 128> kGsmUnicode = {
    0x0040, 0x00A3, 0x0024, 0x00A5, 0x00E8, 0x00E9, 0x00F9, 0x00EC,  // 0x00
    0x00F2, 0x00C7, 0x000A, 0x00D8, 0x00F8, 0x000D, 0x00C5, 0x00E5,  // 0x08
    0x0394, 0x005F, 0x03A6, 0x0393, 0x039B, 0x03A9, 0x03A0, 0x03A8,  // 0x10
    0x03A3, 0x0398, 0x039E, 0x00A0, 0x00C6, 0x00E6, 0x00DF, 0x00C9,  // 0x18
    0x0020, 0x0021, 0x0022, 0x0023, 0x00A4, 0x0025, 0x0026, 0x0027,  // 0x20
    0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,  // 0x28
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 0x30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,  // 0x38
    0x00A1, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,  // 0x40
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F,  // 0x48
    0x0050, 0x0051, 0x0052, 0x0053, 0x0054, 0x0055, 0x0056, 0x0057,  // 0x50
    0x0058, 0x0059, 0x005A, 0x00C4, 0x00D6, 0x00D1, 0x00DC, 0x00A7,  // 0x58
    0x00BF, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067,  // 0x60
    0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,  // 0x68
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,  // 0x70
    0x0078, 0x0079, 0x007A, 0x00E4, 0x00F6, 0x00F1, 0x00FC, 0x00E0,  // 0x78
};

constexpr char32_t kReplacement = 0xFFFD;

std::optional<std::uint8_t> GsmCodeOf(char32_t c) {
  for (std::size_t code = 0; code < kGsmUnicode.size(); ++code) {
    if (kGsmUnicode[code] == c) {
      return static_cast<std::uint8_t>(code);
    }
  }
  return std::nullopt;
}

char32_t UnicodeOfGsm(char code) {
  const auto value = static_cast<unsigned char>(code);
  return value < kGsmUnicode.size() ? kGsmUnicode[value] : kReplacement;
}

}  // namespace

std::string GsmToUtf8(std::string_view codes) {
  std::string out;
  for (char code : codes) {
    gsm::AppendUtf8(out, UnicodeOfGsm(code));
  }
  return out;
}

std::optional<std::string> Utf8ToGsm(std::string_view utf8) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const auto c = gsm::NextUtf8(utf8, at);
    const auto code = c ? GsmCodeOf(*c) : std::nullopt;
    if (!code) {
      return std::nullopt;
    }
    out += static_cast<char>(*code);
  }
  return out;
}

std::string GsmToUcs2Hex(std::string_view codes) {
  std::string out;
  for (char code : codes) {
    const char32_t c = UnicodeOfGsm(code);
    gsm::AppendHexOctet(out, static_cast<std::uint8_t>(c >> 8));
    gsm::AppendHexOctet(out, static_cast<std::uint8_t>(c & 0xFF));
  }
  return out;
}

std::optional<std::string> Ucs2HexToGsm(std::string_view hex) {
  if (hex.size() % 4 != 0 || gsm::HexPrefixLength(hex) != hex.size()) {
    return std::nullopt;
  }
  std::string out;
  for (std::size_t at = 0; at < hex.size(); at += 4) {
    const char32_t c = (*gsm::ReadHexOctet(hex, at) << 8) | *gsm::ReadHexOctet(hex, at + 2);
    const auto code = GsmCodeOf(c);
    if (!code) {
      return std::nullopt;
    }
    out += static_cast<char>(*code);
  }
  return out;
}

}  // namespace telvane::sim
