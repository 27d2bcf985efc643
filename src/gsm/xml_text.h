// Text as XML character data, for the exporters.
#pragma once

#include <string>
#include <string_view>

namespace telvane::gsm {

// Markup characters as references ("&", "<", ">", both quotes) and the characters XML 1.0
// forbids (the controls other than tab, LF and CR) as blanks, so the file always parses.
std::string XmlEscaped(std::string_view text);

}  // namespace telvane::gsm
