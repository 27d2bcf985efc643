#include "objects/picture/gif_lines.h"

#include <algorithm>

namespace telvane::objects {

namespace {

constexpr std::uint32_t kPassStart[] = {0, 4, 2, 1};
constexpr std::uint32_t kPassStep[] = {8, 8, 4, 2};
constexpr int kPasses = 4;

}  // namespace

GifRowOrder::GifRowOrder(std::uint32_t height, bool interlaced)
    : height_(height), interlaced_(interlaced) {
  done_ = height == 0;
}

void GifRowOrder::Advance() {
  if (done_) return;
  if (!interlaced_) {
    done_ = ++row_ >= height_;
    return;
  }
  row_ += kPassStep[pass_];
  SkipEmptyPasses();
}

void GifRowOrder::SkipEmptyPasses() {
  while (row_ >= height_) {
    if (++pass_ == kPasses) {
      done_ = true;
      return;
    }
    row_ = kPassStart[pass_];
  }
}

GifLineAssembler::GifLineAssembler(PictureRecord& record, std::uint32_t width, std::uint32_t height,
                                   std::uint32_t storedBits, bool interlaced)
    : record_(record),
      width_(width),
      storedBits_(storedBits),
      rows_(height, interlaced),
      // At 8 bits the indices are the packed line itself, padding included.
      indices_(storedBits == 8 ? StoredLineBytes(width, storedBits) : width),
      packed_(storedBits == 8 ? 0 : StoredLineBytes(width, storedBits)) {}

bool GifLineAssembler::Put(std::span<const std::uint8_t> indices) {
  if (width_ == 0) return true;
  while (!indices.empty() && !rows_.Done()) {
    const std::size_t take = std::min<std::size_t>(indices.size(), width_ - filled_);
    std::copy_n(indices.begin(), take, indices_.begin() + filled_);
    filled_ += static_cast<std::uint32_t>(take);
    indices = indices.subspan(take);
    if (filled_ == width_ && !DeliverLine()) return false;
  }
  return true;
}

bool GifLineAssembler::DeliverLine() {
  filled_ = 0;
  switch (storedBits_) {
    case 1:
      // Most significant bit first; a pixel's bit is set when its index is not zero.
      std::fill(packed_.begin(), packed_.end(), 0xFF);
      for (std::uint32_t x = 0; x < width_; ++x) {
        if (indices_[x] == 0) packed_[x / 8] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
      }
      break;
    case 4:
      // Two pixels a byte, the first in the high nibble; the rest is the background index.
      std::fill(packed_.begin(), packed_.end(), record_.backgroundIndex);
      for (std::uint32_t x = 0; x + 1 < width_; x += 2) {
        packed_[x / 2] = static_cast<std::uint8_t>(indices_[x] << 4 | (indices_[x + 1] & 0x0F));
      }
      if (width_ % 2 == 1) {
        packed_[width_ / 2] = static_cast<std::uint8_t>(indices_[width_ - 1] << 4);
      }
      break;
    default: break;
  }
  const std::uint32_t line = rows_.Current();
  rows_.Advance();
  if (PutLineThroughFormat(storedBits_ == 8 ? indices_ : packed_, line, record_) ==
      LineAction::kStop) {
    stopped_ = true;
    return false;
  }
  return true;
}

}  // namespace telvane::objects
