#include "phonebook/phonebook_entry.h"

#include <algorithm>
#include <string_view>

namespace telvane::phonebook {
namespace {

int CompareBytes(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int NumberTypeOf(std::string_view number) {
  return !number.empty() && number.front() == '+' ? kInternationalType : kNationalType;
}

std::string CutTo(std::string_view text, std::size_t limit) {
  return std::string(text.substr(0, limit));
}

int CompareEntries(const PhonebookEntry& a, const PhonebookEntry& b, int column) {
  switch (column) {
    case 0: return a.position < b.position ? -1 : (a.position > b.position ? 1 : 0);
    case 2: return CompareBytes(a.number, b.number);
    default: return CompareBytes(a.name, b.name);
  }
}

}  // namespace telvane::phonebook
