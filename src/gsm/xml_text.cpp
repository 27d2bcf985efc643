#include "gsm/xml_text.h"

namespace telvane::gsm {

std::string XmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: {
        const auto byte = static_cast<unsigned char>(c);
        const bool forbidden = byte < 0x20 && c != '\t' && c != '\n' && c != '\r';
        out += forbidden ? ' ' : c;
      }
    }
  }
  return out;
}

}  // namespace telvane::gsm
