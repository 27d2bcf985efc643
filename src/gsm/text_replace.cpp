#include "gsm/text_replace.h"

namespace telvane::gsm {

void ReplaceAll(std::string& text, std::string_view search, std::string_view replacement) {
  if (search.empty()) return;
  std::size_t pos = text.find(search);
  while (pos != std::string::npos) {
    text.replace(pos, search.size(), replacement);
    pos = text.find(search, pos + replacement.size());
  }
}

}  // namespace telvane::gsm
