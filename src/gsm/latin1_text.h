// Conversions between the program's ISO 8859-1 text and UTF-8 at its edges (resource
// files, script files, printed output, the simulator's state file), and the UTF-8
// character decoder and encoder under them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::gsm {

// Characters outside Latin-1 and malformed sequences become "?".
std::string Utf8ToLatin1(std::string_view utf8);
// Nothing when `utf8` is malformed or holds a character above U+00FF.
std::optional<std::string> Utf8ToLatin1Exact(std::string_view utf8);
std::string Latin1ToUtf8(std::string_view latin1);
// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// The character at `at` (which must be inside `text`), advancing `at` past it; nothing,
// with `at` unchanged, when the sequence there is malformed.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at);
// Appends the UTF-8 form of a character up to U+10FFFF.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace telvane::gsm
