#include "objects/picture/bmp_rle.h"

#include "objects/picture/picture_bytes.h"

namespace telvane::objects {

namespace {

class RlePainter {
 public:
  RlePainter(const RleTarget& target, std::uint32_t bitsPerPixel)
      : target_(target), fourBits_(bitsPerPixel == 4) {}

  void NextLine() {
    x_ = 0;
    ++row_;
  }
  void Move(std::uint32_t dx, std::uint32_t dy) {
    x_ += dx;
    row_ += dy;
  }
  void Paint(std::uint8_t index) {
    if (row_ < target_.rows && x_ < target_.width) {
      const std::uint64_t byte = fourBits_ ? x_ / 2 : x_;
      if (byte < target_.stride) {
        std::uint8_t& cell = target_.buffer[std::size_t{row_} * target_.stride + byte];
        if (!fourBits_) {
          cell = index;
        } else if (x_ % 2 == 0) {
          cell = static_cast<std::uint8_t>((cell & 0x0F) | index << 4);
        } else {
          cell = static_cast<std::uint8_t>((cell & 0xF0) | (index & 0x0F));
        }
      }
    }
    ++x_;
  }

 private:
  const RleTarget& target_;
  bool fourBits_;
  std::uint64_t x_ = 0;
  std::uint64_t row_ = 0;
};

}  // namespace

PictureStatus ExpandBmpRle(std::span<const std::uint8_t> data, std::uint32_t bitsPerPixel,
                           const RleTarget& target) {
  if (target.buffer.size() < std::uint64_t{target.stride} * target.rows) {
    return PictureStatus::kNoMemory;
  }
  const bool fourBits = bitsPerPixel == 4;
  RlePainter painter(target, bitsPerPixel);
  ByteCursor cursor(data);
  for (;;) {
    const auto pair = cursor.Take(2);
    if (!pair) return PictureStatus::kTooShort;
    const std::uint8_t count = (*pair)[0];
    const std::uint8_t value = (*pair)[1];
    if (count > 0) {
      // An encoded run; with 4 bits it alternates the high and the low nibble.
      for (std::uint32_t i = 0; i < count; ++i) {
        painter.Paint(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      }
      continue;
    }
    switch (value) {
      case 0: painter.NextLine(); break;
      case 1: return PictureStatus::kOk;
      case 2: {
        const auto delta = cursor.Take(2);
        if (!delta) return PictureStatus::kTooShort;
        painter.Move((*delta)[0], (*delta)[1]);
        break;
      }
      default: {
        // Absolute run of `value` pixels, padded to a 16-bit boundary.
        const std::size_t bytes = fourBits ? (value + 1u) / 2 : value;
        const auto pixels = cursor.Take(bytes + bytes % 2);
        if (!pixels) return PictureStatus::kTooShort;
        for (std::uint32_t i = 0; i < value; ++i) {
          const std::uint8_t byte = (*pixels)[fourBits ? i / 2 : i];
          painter.Paint(fourBits ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        break;
      }
    }
  }
}

}  // namespace telvane::objects
