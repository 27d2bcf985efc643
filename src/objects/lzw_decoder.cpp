#include "objects/lzw_decoder.h"

#include <array>
#include <memory>

namespace telvane::objects {

namespace {

// The string table: each entry is a prefix entry plus one suffix index; its length and
// first index are kept so that a string is written back to front without a second walk.
struct LzwTable {
  std::array<std::uint16_t, kLzwTableSize> prefix{};
  std::array<std::uint8_t, kLzwTableSize> suffix{};
  std::array<std::uint8_t, kLzwTableSize> first{};
  std::array<std::uint16_t, kLzwTableSize> length{};
  std::array<std::uint8_t, kLzwTableSize> output{};

  // Writes entry `code` into the end of `output` and returns it.
  std::span<const std::uint8_t> Expand(std::uint32_t code) {
    const std::size_t size = length[code];
    std::size_t at = output.size();
    while (at > output.size() - size) {
      output[--at] = suffix[code];
      code = prefix[code];
    }
    return std::span(output).subspan(at, size);
  }
};

}  // namespace

LzwResult DecodeLzw(std::span<const std::uint8_t> codes, int minimumCodeSize, LzwSink& sink) {
  if (minimumCodeSize < 1 || minimumCodeSize > 8) return LzwResult::kMalformed;
  const std::uint32_t clearCode = 1u << minimumCodeSize;
  const std::uint32_t endCode = clearCode + 1;
  static constexpr std::uint32_t kNoCode = kLzwTableSize;

  auto table = std::make_unique<LzwTable>();
  for (std::uint32_t i = 0; i < clearCode; ++i) {
    table->suffix[i] = static_cast<std::uint8_t>(i);
    table->first[i] = static_cast<std::uint8_t>(i);
    table->length[i] = 1;
  }

  int codeBits = minimumCodeSize + 1;
  std::uint32_t nextFree = clearCode + 2;
  std::uint32_t previous = kNoCode;
  std::uint32_t bitBuffer = 0;
  int bitCount = 0;
  std::size_t position = 0;

  for (;;) {
    while (bitCount < codeBits) {
      if (position == codes.size()) return LzwResult::kTruncated;
      bitBuffer |= std::uint32_t{codes[position++]} << bitCount;
      bitCount += 8;
    }
    const std::uint32_t code = bitBuffer & ((1u << codeBits) - 1);
    bitBuffer >>= codeBits;
    bitCount -= codeBits;

    if (code == clearCode) {
      codeBits = minimumCodeSize + 1;
      nextFree = clearCode + 2;
      previous = kNoCode;
      continue;
    }
    if (code == endCode) return LzwResult::kEnd;

    if (previous == kNoCode) {
      // The first code after a clear must be a single index.
      if (code >= clearCode) return LzwResult::kMalformed;
      if (!sink.Put(table->Expand(code))) return LzwResult::kStopped;
      previous = code;
      continue;
    }
    if (code > nextFree) return LzwResult::kMalformed;

    if (nextFree < kLzwTableSize) {
      // The new entry is the previous string plus the first index of this one; for the
      // code not yet in the table, that first index is the previous string's own.
      const std::uint8_t firstIndex = code < nextFree ? table->first[code] : table->first[previous];
      table->prefix[nextFree] = static_cast<std::uint16_t>(previous);
      table->suffix[nextFree] = firstIndex;
      table->first[nextFree] = table->first[previous];
      table->length[nextFree] = static_cast<std::uint16_t>(table->length[previous] + 1);
      ++nextFree;
      if (nextFree == (1u << codeBits) && codeBits < kLzwMaxCodeBits) ++codeBits;
    }
    if (!sink.Put(table->Expand(code))) return LzwResult::kStopped;
    previous = code;
  }
}

}  // namespace telvane::objects
