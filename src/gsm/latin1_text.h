// Conversions between the program's ISO 8859-1 text and UTF-8 at its edges (resource
// files, script files, printed output).
#pragma once

#include <string>
#include <string_view>

namespace telvane::gsm {

// Characters outside Latin-1 and malformed sequences become "?".
std::string Utf8ToLatin1(std::string_view utf8);
std::string Latin1ToUtf8(std::string_view latin1);
// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

}  // namespace telvane::gsm
