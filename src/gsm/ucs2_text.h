// UCS2 message text (big-endian 16-bit units) into the program's ISO 8859-1 text.
#pragma once

#include <string>
#include <string_view>

namespace telvane::gsm {

// Each 16-bit unit of `octets` (high octet first) U+0000..U+00FF becomes that byte; every
// other character becomes "?", a surrogate pair (one character beyond U+FFFF) a single "?".
// An odd last octet is ignored.
std::string Ucs2ToLatin1(std::string_view octets);

}  // namespace telvane::gsm
