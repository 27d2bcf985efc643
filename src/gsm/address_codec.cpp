#include "gsm/address_codec.h"

#include <algorithm>
#include <cstdint>

#include "gsm/gsm_alphabet.h"
#include "gsm/hex.h"
#include "gsm/septets.h"

namespace telvane::gsm {

namespace {

constexpr int kTypeOfNumberMask = 0x70;
constexpr int kAlphanumeric = 0x50;

// Semi-octet character for one character of a number, or '\0' when it cannot be dialled.
char ToSemiOctet(char c) {
  if (c >= '0' && c <= '9') return c;
  if (c == '*') return 'A';
  if (c == '#') return 'B';
  return '\0';
}

char FromSemiOctet(char c) {
  if (c == 'A' || c == 'a') return '*';
  if (c == 'B' || c == 'b') return '#';
  return c;
}

// Drops an international marker: "+" or "00".
std::string_view WithoutInternationalMarker(std::string_view number) {
  if (number.starts_with('+')) return number.substr(1);
  if (number.starts_with("00")) return number.substr(2);
  return number;
}

// The sender name of an alphanumeric address, from the codes the digits hold whole (a cut
// field gives a shorter name). Control characters (GSM line breaks) and the double quote
// become blanks, so the name stays on one line and out of quoted fields.
std::string AlphanumericName(std::string_view digits, std::optional<std::size_t> semiOctets) {
  const std::size_t wholeCodes = digits.size() / 2 * 8 / 7;
  const std::size_t count = semiOctets ? std::min(wholeCodes, *semiOctets * 4 / 7) : wholeCodes;
  std::string name = UnpackSeptets(digits, count);
  if (!semiOctets && !name.empty() && name.back() == 0) name.pop_back();  // filler
  GsmToLatin(name);
  for (char& c : name) {
    if (static_cast<std::uint8_t>(c) < 0x20 || c == '"') c = ' ';
  }
  return name;
}

}  // namespace

std::optional<std::string> EncodeAddress(std::string_view number, AddressRole role,
                                         const NumberingOptions& options) {
  const bool international = number.starts_with('+') || number.starts_with("00");
  const bool normalise =
      !international && options.addIntPrefix && !options.normalisingPrefix.empty();

  std::string digits;
  if (international) {
    digits = WithoutInternationalMarker(number);
  } else if (normalise) {
    digits = WithoutInternationalMarker(options.normalisingPrefix);
    digits += number.starts_with('0') ? number.substr(1) : number;
  } else {
    digits = number;
  }
  if (digits.size() > kMaxAddressDigits) return std::nullopt;
  for (char& c : digits) {
    c = ToSemiOctet(c);
    if (c == '\0') return std::nullopt;
  }

  const std::size_t pairs = (digits.size() + 1) / 2;
  const std::size_t length = role == AddressRole::kDestination ? digits.size() : pairs + 1;
  std::string field;
  field.reserve(4 + pairs * 2);
  AppendHexOctet(field, static_cast<std::uint8_t>(length));
  field += (international || normalise) ? "91" : "81";
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    field.push_back(digits[i + 1]);
    field.push_back(digits[i]);
  }
  if (digits.size() % 2 != 0) {
    field.push_back('F');
    field.push_back(digits.back());
  }
  return field;
}

bool IsAlphanumericAddress(int addressType) {
  return addressType >= 0 && (addressType & kTypeOfNumberMask) == kAlphanumeric;
}

std::string DecodeAddress(std::string_view addressText, std::optional<std::size_t> semiOctets) {
  addressText = addressText.substr(0, HexPrefixLength(addressText));
  std::string number;
  if (addressText.size() < 2) return number;
  if (const auto type = ReadHexOctet(addressText, 0); type && IsAlphanumericAddress(*type)) {
    return AlphanumericName(addressText.substr(2), semiOctets);
  }
  if (addressText.substr(0, 2) == "91") number.push_back('+');
  const std::string_view digits = addressText.substr(2);
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    for (char c : {digits[i + 1], digits[i]}) {
      if (c == 'F' || c == 'f') return number;
      number.push_back(FromSemiOctet(c));
    }
  }
  return number;
}

}  // namespace telvane::gsm
