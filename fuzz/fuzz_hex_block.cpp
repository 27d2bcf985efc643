// Feeds arbitrary AT^SBNR answers to the block decoder: it must stay inside the answer,
// keep every block within the decode buffer and always come to an end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "objects/hex_block.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer(reinterpret_cast<const char*>(data), size);
  if (const auto total = telvane::objects::AnswerBlockTotal(answer); total && *total <= 0)
    std::abort();

  telvane::objects::AnswerBlockReader reader(answer, telvane::objects::kDecodeBufferSize);
  std::string block;
  std::size_t decoded = 0;
  for (std::size_t blocks = 0;; ++blocks) {
    // Every block needs its own header of six bytes or more.
    if (blocks > size / 6 + 1) std::abort();
    const auto result = reader.Next(block);
    if (result != telvane::objects::BlockDecode::kBlock) break;
    if (block.size() > telvane::objects::kDecodeBufferSize) std::abort();
    decoded += block.size();
  }
  if (decoded > size / 2) std::abort();

  const auto line = telvane::objects::BuildDataLine(answer.substr(0, 255));
  if (!line || line->size() != 2 * std::min<std::size_t>(size, 255) + 1 || line->back() != 0x1A)
    std::abort();
  return 0;
}
