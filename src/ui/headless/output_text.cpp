#include "ui/headless/output_text.h"

#include "gsm/latin1_text.h"

namespace telvane::ui::headless {
namespace {

std::string Escaped(std::string_view latin1, bool escapeQuotes) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1) {
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      case '"': out += escapeQuotes ? "\\\"" : "\""; break;
      default: out.push_back(c);
    }
  }
  return gsm::Latin1ToUtf8(out);
}

}  // namespace

std::string OutputText(std::string_view latin1) { return Escaped(latin1, false); }

std::string Quoted(std::string_view latin1) { return "\"" + Escaped(latin1, true) + "\""; }

}  // namespace telvane::ui::headless
