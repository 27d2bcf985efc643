#include "gsm/timestamp.h"

#include <algorithm>
#include <array>
#include <utility>

#include "gsm/hex.h"

namespace telvane::gsm {

std::string DecodeTimestamp(std::string_view stamp, bool swapDate) {
  constexpr std::size_t kFields = 6;  // year, month, day, hours, minutes, seconds
  constexpr std::array<char, kFields - 1> kSeparators = {'/', '/', ' ', ':', ':'};

  stamp = stamp.substr(0, HexPrefixLength(stamp));
  const std::size_t fieldCount = std::min(stamp.size() / 2, kFields);
  std::array<std::array<char, 2>, kFields> fields{};
  for (std::size_t i = 0; i < fieldCount; ++i) fields[i] = {stamp[2 * i + 1], stamp[2 * i]};
  if (swapDate && fieldCount >= 3) std::swap(fields[0], fields[2]);

  std::string text;
  for (std::size_t i = 0; i < fieldCount; ++i) {
    if (i > 0) text.push_back(kSeparators[i - 1]);
    text.append(fields[i].data(), fields[i].size());
  }
  return text;
}

}  // namespace telvane::gsm
