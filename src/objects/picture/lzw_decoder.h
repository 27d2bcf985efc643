// The variable-length-code LZW decompression of GIF image data.
#pragma once

#include <cstdint>
#include <span>

namespace telvane::objects {

inline constexpr int kLzwMaxCodeBits = 12;
inline constexpr std::uint32_t kLzwTableSize = 1u << kLzwMaxCodeBits;  // 4096 entries

// Receives the decoded colour indices in batches of any size.
class LzwSink {
 public:
  virtual ~LzwSink() = default;
  // False asks the decoder to stop.
  virtual bool Put(std::span<const std::uint8_t> indices) = 0;
};

enum class LzwResult {
  kEnd,        // the end code was read
  kStopped,    // the sink asked to stop
  kMalformed,  // a code beyond the next free table entry, or a bad minimum code size
  kTruncated,  // the data ended before the end code
};

// Decodes the image's data sub-blocks (each a length byte and that many bytes of codes
// packed least significant bit first, up to a zero-length block) with the given minimum
// code size (1 to 8). The data ends at the zero-length block or at the end of `subBlocks`.
LzwResult DecodeLzw(std::span<const std::uint8_t> subBlocks, int minimumCodeSize, LzwSink& sink);

}  // namespace telvane::objects
