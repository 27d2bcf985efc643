// Feeds arbitrary AT^SBNR answers to the object decoder: it must stay inside the answer,
// give blocks only for a whole answer, each of the expected size, and always come to an end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "objects/hex_block.h"

namespace {

void CheckDecode(std::string_view answer, const telvane::objects::ExpectedObject& expected) {
  using Status = telvane::objects::ObjectAnswer::Status;
  const auto decoded = telvane::objects::DecodeObjectAnswer(answer, expected);
  if (decoded.status != Status::kWhole && !decoded.blocks.empty()) std::abort();
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < decoded.blocks.size(); ++i) {
    const std::size_t size = decoded.blocks[i].size();
    const bool last = i + 1 == decoded.blocks.size();
    if (size == 0 || size > expected.blockSize || (!last && size != expected.blockSize))
      std::abort();
    bytes += size;
  }
  // Every byte comes from two hex digits of the answer.
  if (bytes > answer.size() / 2) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer(reinterpret_cast<const char*>(data), size);
  CheckDecode(answer, {"bmp", 0, 50});
  CheckDecode(answer, {"vcf", 1, 100});

  const auto line = telvane::objects::BuildDataLine(answer.substr(0, 255));
  if (!line || line->size() != 2 * std::min<std::size_t>(size, 255) + 1 || line->back() != 0x1A)
    std::abort();
  return 0;
}
