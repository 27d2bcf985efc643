// The file and information headers of a Windows BMP file, in the OS/2 (12-byte) and the
// Windows (40 bytes or more) form.
#pragma once

#include <cstdint>
#include <span>

#include "objects/picture/picture_record.h"

namespace telvane::objects {

inline constexpr std::uint32_t kBmpFileHeaderBytes = 14;
inline constexpr std::uint32_t kBmpOs2InfoBytes = 12;
inline constexpr std::uint32_t kBmpWindowsInfoBytes = 40;

enum class BmpCompression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2 };

struct BmpHeader {
  bool os2 = false;
  std::uint32_t infoSize = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool topDown = false;  // a negative height in the Windows form
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = 0;  // always kNone in the OS/2 form
  std::uint32_t coloursUsed = 0;
  std::uint32_t pixelOffset = 0;

  std::uint32_t PaletteOffset() const { return kBmpFileHeaderBytes + infoSize; }
  std::uint32_t PaletteEntryBytes() const { return os2 ? 3 : 4; }
};

// Checks "BM", the information header size, the dimensions and the depth (1, 4, 8 or 24;
// 16- and 32-bit pictures are not supported): kBadHeader when any is wrong, kNoMemory when
// the picture would not fit the buffer limit.
PictureStatus ParseBmpHeader(std::span<const std::uint8_t> file, BmpHeader& header);

}  // namespace telvane::objects
