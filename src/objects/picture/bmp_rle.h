// Expansion of run-length encoded BMP pixel data (RLE8 and RLE4) into an image buffer.
#pragma once

#include <cstdint>
#include <span>

#include "objects/picture/picture_record.h"

namespace telvane::objects {

// Where the expanded pixels go: `rows` lines of `stride` bytes in file order (bottom-up),
// of which the first `width` pixels are picture. Writes outside are dropped.
struct RleTarget {
  std::span<std::uint8_t> buffer;
  std::uint32_t stride = 0;
  std::uint32_t rows = 0;
  std::uint32_t width = 0;
};

// Expands the runs, escapes (end of line, end of bitmap, delta) and absolute runs of
// `data`, with 8 or 4 bits per pixel, into `target`. kOk at the end-of-bitmap escape,
// kTooShort when the data ends before it.
PictureStatus ExpandBmpRle(std::span<const std::uint8_t> data, std::uint32_t bitsPerPixel,
                           const RleTarget& target);

}  // namespace telvane::objects
