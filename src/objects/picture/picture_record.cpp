#include "objects/picture/picture_record.h"

#include <algorithm>

namespace telvane::objects {

std::optional<std::uint32_t> StoredBitsFor(std::uint32_t bitsPerPixel) {
  if (bitsPerPixel == 1) return 1;
  if (bitsPerPixel >= 2 && bitsPerPixel <= 4) return 4;
  if (bitsPerPixel >= 5 && bitsPerPixel <= 8) return 8;
  if (bitsPerPixel == 24) return 24;
  return std::nullopt;
}

std::uint64_t StoredLineBytes(std::uint32_t width, std::uint32_t storedBits) {
  const std::uint64_t w = width;
  std::uint64_t bytes = 0;
  switch (storedBits) {
    case 1: bytes = (w + 7) / 8; break;
    case 4: bytes = ((w + 7) / 2) & ~std::uint64_t{3}; break;
    case 8: bytes = w; break;
    case 24: bytes = w * 3; break;
    default: return 0;
  }
  return (bytes + 3) & ~std::uint64_t{3};
}

bool FitsPictureBuffer(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel) {
  const auto stored = StoredBitsFor(bitsPerPixel);
  if (!stored || width == 0 || height == 0) return false;
  // Divided rather than multiplied, so that no size can overflow.
  return StoredLineBytes(width, *stored) <= kMaxPictureBufferBytes / (std::uint64_t{height} + 1);
}

std::uint64_t ImageSizeEstimate(std::uint32_t width, std::uint32_t height,
                                std::uint32_t bitsPerPixel) {
  return (std::uint64_t{width} + 7) / 8 * bitsPerPixel * height;
}

bool AllocatePictureBuffer(PictureRecord& record) {
  record.image.clear();
  if (!FitsPictureBuffer(record.width, record.height, record.bitsPerPixel)) return false;
  record.storedBits = *StoredBitsFor(record.bitsPerPixel);
  record.bytesPerLine =
      static_cast<std::uint32_t>(StoredLineBytes(record.width, record.storedBits));
  record.storedRows = record.height;
  record.image.assign((std::size_t{record.height} + 1) * record.bytesPerLine, 0);
  return true;
}

void FreePictureBuffer(PictureRecord& record) {
  record.image.clear();
  record.image.shrink_to_fit();
}

namespace {

// The buffer row of picture line `lineNumber`, or an empty span when there is none.
std::span<std::uint8_t> BufferRow(PictureRecord& record, std::uint32_t lineNumber) {
  if (record.image.empty() || lineNumber >= record.storedRows) return {};
  const std::size_t row = record.storedRows - lineNumber - 1;
  const std::size_t start = row * record.bytesPerLine;
  if (start + record.bytesPerLine > record.image.size()) return {};
  return std::span(record.image).subspan(start, record.bytesPerLine);
}

}  // namespace

LineAction PutPictureLine(std::span<const std::uint8_t> line, std::uint32_t lineNumber,
                          PictureRecord& record) {
  const auto row = BufferRow(record, lineNumber);
  std::copy_n(line.begin(), std::min(line.size(), row.size()), row.begin());
  return LineAction::kGoOn;
}

LineAction GetPictureLine(std::span<std::uint8_t> line, std::uint32_t lineNumber,
                          PictureRecord& record) {
  const auto row = BufferRow(record, lineNumber);
  std::copy_n(row.begin(), std::min(line.size(), row.size()), line.begin());
  return LineAction::kGoOn;
}

LineAction PutLineThroughFormat(std::span<const std::uint8_t> line, std::uint32_t lineNumber,
                                PictureRecord& record) {
  if (record.format != nullptr && record.format->putLine) {
    return record.format->putLine(line, lineNumber, record);
  }
  return PutPictureLine(line, lineNumber, record);
}

LineAction GetLineThroughFormat(std::span<std::uint8_t> line, std::uint32_t lineNumber,
                                PictureRecord& record) {
  if (record.format != nullptr && record.format->getLine) {
    return record.format->getLine(line, lineNumber, record);
  }
  return GetPictureLine(line, lineNumber, record);
}

void SetBlackAndWhitePalette(PictureRecord& record) {
  record.palette.fill({});
  record.palette[1] = {255, 255, 255};
}

void SetGreyRampPalette(PictureRecord& record) {
  for (std::size_t i = 0; i < kPaletteEntries; ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    record.palette[i] = {level, level, level};
  }
}

}  // namespace telvane::objects
