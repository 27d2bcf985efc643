// Reading a picture file whole into memory, within the size the codecs accept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "objects/picture/picture_record.h"

namespace telvane::objects {

// Files larger than this cannot hold a picture that fits the buffer limit.
inline constexpr std::uint64_t kMaxPictureFileBytes = 2 * kMaxPictureBufferBytes;

// kCannotOpen when the name is too long or the file cannot be read, kNoMemory when it is
// larger than kMaxPictureFileBytes.
PictureStatus ReadPictureFile(const std::string& fileName, std::vector<std::uint8_t>& bytes);

}  // namespace telvane::objects
