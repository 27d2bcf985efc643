#include "gsm/latin1_text.h"

#include <cstdint>
#include <optional>

namespace telvane::gsm {
namespace {

struct Decoded {
  char32_t codePoint = 0;
  std::size_t length = 1;
  bool valid = false;
};

// Decodes the sequence at `pos`; an invalid one has length 1 so decoding resumes at the
// next byte.
Decoded DecodeAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<std::uint8_t>(text[pos]);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (pos + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return {};
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
  return {value, length, true};
}

}  // namespace

std::string Utf8ToLatin1(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Decoded decoded = DecodeAt(utf8, pos);
    out.push_back(decoded.valid && decoded.codePoint <= 0xFF ? static_cast<char>(decoded.codePoint)
                                                             : '?');
    pos += decoded.length;
  }
  return out;
}

std::optional<std::string> Utf8ToLatin1Exact(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const auto c = NextUtf8(utf8, at);
    if (!c || *c > 0xFF) return std::nullopt;
    out.push_back(static_cast<char>(*c));
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1) AppendUtf8(out, static_cast<std::uint8_t>(c));
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Decoded decoded = DecodeAt(text, pos);
    if (!decoded.valid) return false;
    pos += decoded.length;
  }
  return true;
}

std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at) {
  const Decoded decoded = DecodeAt(text, at);
  if (!decoded.valid) return std::nullopt;
  at += decoded.length;
  return decoded.codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (codePoint < 0x80) {
    put(codePoint);
  } else if (codePoint < 0x800) {
    put(0xC0 | (codePoint >> 6));
    put(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    put(0xE0 | (codePoint >> 12));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  } else {
    put(0xF0 | (codePoint >> 18));
    put(0x80 | ((codePoint >> 12) & 0x3F));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace telvane::gsm
