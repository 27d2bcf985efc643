// Turning GIF colour indices into image lines: the order in which lines arrive (plain or
// the four interlace passes) and the packing of each line for the image buffer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "objects/picture/lzw_decoder.h"
#include "objects/picture/picture_record.h"

namespace telvane::objects {

// Picture line numbers in the order a GIF delivers them. Interlaced: rows 0, 8, 16, ...,
// then 4, 12, ..., then 2, 6, ..., then 1, 3, 5, ...
class GifRowOrder {
 public:
  GifRowOrder(std::uint32_t height, bool interlaced);
  bool Done() const { return done_; }
  std::uint32_t Current() const { return row_; }
  void Advance();

 private:
  void SkipEmptyPasses();

  std::uint32_t height_;
  bool interlaced_;
  int pass_ = 0;
  std::uint32_t row_ = 0;
  bool done_ = false;
};

// Collects decoded indices into lines of `width` pixels and hands each full line, packed
// for `storedBits` (1, 4 or 8), to the record's put line.
class GifLineAssembler : public LzwSink {
 public:
  GifLineAssembler(PictureRecord& record, std::uint32_t width, std::uint32_t height,
                   std::uint32_t storedBits, bool interlaced);
  bool Put(std::span<const std::uint8_t> indices) override;
  bool AllLinesDelivered() const { return rows_.Done(); }
  bool Stopped() const { return stopped_; }

 private:
  bool DeliverLine();

  PictureRecord& record_;
  std::uint32_t width_;
  std::uint32_t storedBits_;
  GifRowOrder rows_;
  std::vector<std::uint8_t> indices_;
  std::vector<std::uint8_t> packed_;
  std::uint32_t filled_ = 0;
  bool stopped_ = false;
};

}  // namespace telvane::objects
