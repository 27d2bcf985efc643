// Text the user typed on its way into the settings file or a group file: one line of
// printable characters, cut to the slot it goes into.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telvane::sms {

// Control characters (CR, LF, tab, NUL, Ctrl-Z, ...) become blanks, so a value stays on
// its own line and never carries a line end or command end anywhere; then the text is cut
// to `limit` characters.
inline std::string OneLineText(std::string_view text, std::size_t limit) {
  std::string line;
  for (const char c : text.substr(0, limit)) {
    const auto byte = static_cast<unsigned char>(c);
    line += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  return line;
}

}  // namespace telvane::sms
