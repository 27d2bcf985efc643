#include "gsm/hex.h"

namespace telvane::gsm {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::size_t HexPrefixLength(std::string_view text) {
  std::size_t length = 0;
  while (length < text.size() && HexDigitValue(text[length]) >= 0) ++length;
  return length;
}

std::optional<std::uint8_t> ReadHexOctet(std::string_view hex, std::size_t pos) {
  if (pos >= hex.size() || hex.size() - pos < 2) return std::nullopt;
  const int high = HexDigitValue(hex[pos]);
  const int low = HexDigitValue(hex[pos + 1]);
  if (high < 0 || low < 0) return std::nullopt;
  return static_cast<std::uint8_t>(high * 16 + low);
}

void AppendHexOctet(std::string& out, std::uint8_t octet) {
  out.push_back(kHexDigits[octet >> 4]);
  out.push_back(kHexDigits[octet & 0x0F]);
}

std::string ToHex(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char byte : bytes) AppendHexOctet(out, static_cast<std::uint8_t>(byte));
  return out;
}

std::string FromHex(std::string_view hex) {
  std::string out;
  out.reserve(hex.size() / 2);
  for (std::size_t pos = 0;; pos += 2) {
    const auto octet = ReadHexOctet(hex, pos);
    if (!octet) break;
    out.push_back(static_cast<char>(*octet));
  }
  return out;
}

}  // namespace telvane::gsm
