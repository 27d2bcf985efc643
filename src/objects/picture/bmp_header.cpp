#include "objects/picture/bmp_header.h"

#include "objects/picture/picture_bytes.h"

namespace telvane::objects {

PictureStatus ParseBmpHeader(std::span<const std::uint8_t> file, BmpHeader& header) {
  header = {};
  if (file.size() < kBmpFileHeaderBytes + kBmpOs2InfoBytes || file[0] != 'B' || file[1] != 'M') {
    return PictureStatus::kBadHeader;
  }
  header.pixelOffset = ReadLe32(file, 10);
  header.infoSize = ReadLe32(file, 14);
  if (header.infoSize == kBmpOs2InfoBytes) {
    header.os2 = true;
    header.width = ReadLe16(file, 18);
    header.height = ReadLe16(file, 20);
    header.bitsPerPixel = ReadLe16(file, 24);
  } else {
    if (header.infoSize < kBmpWindowsInfoBytes ||
        file.size() < kBmpFileHeaderBytes + kBmpWindowsInfoBytes) {
      return PictureStatus::kBadHeader;
    }
    const auto width = static_cast<std::int32_t>(ReadLe32(file, 18));
    const auto height = static_cast<std::int32_t>(ReadLe32(file, 22));
    if (width <= 0 || height == 0 || height == INT32_MIN) return PictureStatus::kBadHeader;
    header.width = static_cast<std::uint32_t>(width);
    header.topDown = height < 0;
    header.height = static_cast<std::uint32_t>(height < 0 ? -height : height);
    header.bitsPerPixel = ReadLe16(file, 28);
    header.compression = ReadLe32(file, 30);
    header.coloursUsed = ReadLe32(file, 46);
  }
  const std::uint32_t bits = header.bitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return PictureStatus::kBadHeader;
  if (header.width == 0 || header.height == 0) return PictureStatus::kBadHeader;
  if (!FitsPictureBuffer(header.width, header.height, bits)) return PictureStatus::kNoMemory;
  return PictureStatus::kOk;
}

}  // namespace telvane::objects
