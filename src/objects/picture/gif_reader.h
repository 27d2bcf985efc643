// Reading GIF files (87a and 89a): the header reader (screen or image size, depth,
// colour table) and the loader (the first image's pixels into the record's buffer). The
// overloads taking bytes work on a file already in memory.
#pragma once

#include <cstdint>
#include <span>

#include "objects/picture/picture_record.h"

namespace telvane::objects {

PictureStatus ReadGifHeader(PictureRecord& record);
PictureStatus ReadGifHeader(PictureRecord& record, std::span<const std::uint8_t> file);

// kBadHeader also for malformed or truncated image data.
PictureStatus LoadGif(PictureRecord& record);
PictureStatus LoadGif(PictureRecord& record, std::span<const std::uint8_t> file);

}  // namespace telvane::objects
