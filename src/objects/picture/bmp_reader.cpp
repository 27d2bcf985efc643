#include "objects/picture/bmp_reader.h"

#include <algorithm>
#include <vector>

#include "objects/picture/bmp_header.h"
#include "objects/picture/bmp_rle.h"
#include "objects/picture/picture_file.h"

namespace telvane::objects {

namespace {

// Reads the colour table: BGR (OS/2) or BGR plus a reserved byte (Windows), stored RGB.
// A Windows header's "colours used" count, when smaller, limits the table, and so does the
// start of the pixel data when it lies after the table's start.
PictureStatus ReadBmpPalette(PictureRecord& record, std::span<const std::uint8_t> file,
                             const BmpHeader& header) {
  record.palette.fill({});
  std::uint32_t entries = 1u << header.bitsPerPixel;
  if (header.coloursUsed > 0 && header.coloursUsed < entries) entries = header.coloursUsed;
  const std::uint32_t entryBytes = header.PaletteEntryBytes();
  const std::uint64_t start = header.PaletteOffset();
  if (header.pixelOffset > start) {
    entries = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(entries, (header.pixelOffset - start) / entryBytes));
  }
  if (start + std::uint64_t{entries} * entryBytes > file.size()) return PictureStatus::kTooShort;
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::size_t at = start + std::size_t{i} * entryBytes;
    record.palette[i] = {file[at + 2], file[at + 1], file[at]};
  }
  return PictureStatus::kOk;
}

PictureStatus LoadUncompressed(PictureRecord& record, std::span<const std::uint8_t> file,
                               const BmpHeader& header) {
  const std::uint64_t lineBytes = StoredLineBytes(header.width, header.bitsPerPixel);
  for (std::uint32_t r = 0; r < header.height; ++r) {
    const std::uint64_t start = header.pixelOffset + r * lineBytes;
    if (start + lineBytes > file.size()) return PictureStatus::kTooShort;
    const std::uint32_t line = header.topDown ? r : header.height - 1 - r;
    if (PutLineThroughFormat(file.subspan(start, lineBytes), line, record) == LineAction::kStop) {
      return PictureStatus::kStopped;
    }
  }
  return PictureStatus::kOk;
}

PictureStatus LoadRunLength(PictureRecord& record, std::span<const std::uint8_t> file,
                            const BmpHeader& header, std::uint32_t bitsPerPixel) {
  if (header.bitsPerPixel != bitsPerPixel || header.topDown) return PictureStatus::kBadHeader;
  if (record.image.empty()) return PictureStatus::kNoMemory;
  if (header.pixelOffset > file.size()) return PictureStatus::kTooShort;
  std::fill(record.image.begin(), record.image.end(), 0);
  const RleTarget target{record.image, record.bytesPerLine, record.storedRows,
                         std::min(record.width, header.width)};
  return ExpandBmpRle(file.subspan(header.pixelOffset), bitsPerPixel, target);
}

}  // namespace

PictureStatus ReadBmpHeader(PictureRecord& record, std::span<const std::uint8_t> file) {
  record.fileSize = file.size();
  SetBlackAndWhitePalette(record);
  BmpHeader header;
  if (const auto status = ParseBmpHeader(file, header); status != PictureStatus::kOk) {
    return status;
  }
  record.width = header.width;
  record.height = header.height;
  record.bitsPerPixel = header.bitsPerPixel;
  record.imageSizeEstimate = ImageSizeEstimate(header.width, header.height, header.bitsPerPixel);
  if (header.bitsPerPixel == 24) {
    SetGreyRampPalette(record);
    return PictureStatus::kOk;
  }
  return ReadBmpPalette(record, file, header);
}

PictureStatus LoadBmp(PictureRecord& record, std::span<const std::uint8_t> file) {
  BmpHeader header;
  if (const auto status = ParseBmpHeader(file, header); status != PictureStatus::kOk) {
    return status;
  }
  if (header.os2 || header.compression == static_cast<std::uint32_t>(BmpCompression::kNone)) {
    return LoadUncompressed(record, file, header);
  }
  if (header.compression == static_cast<std::uint32_t>(BmpCompression::kRle8)) {
    return LoadRunLength(record, file, header, 8);
  }
  if (header.compression == static_cast<std::uint32_t>(BmpCompression::kRle4)) {
    return LoadRunLength(record, file, header, 4);
  }
  // Bit fields, JPEG or PNG data: nothing can be decoded, so it is not a success.
  return PictureStatus::kBadHeader;
}

PictureStatus ReadBmpHeader(PictureRecord& record) {
  std::vector<std::uint8_t> file;
  if (const auto status = ReadPictureFile(record.fileName, file); status != PictureStatus::kOk) {
    return status;
  }
  return ReadBmpHeader(record, file);
}

PictureStatus LoadBmp(PictureRecord& record) {
  std::vector<std::uint8_t> file;
  if (const auto status = ReadPictureFile(record.fileName, file); status != PictureStatus::kOk) {
    return status;
  }
  return LoadBmp(record, file);
}

}  // namespace telvane::objects
