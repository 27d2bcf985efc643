// Reading BMP files: the header reader (size, depth, palette) and the loader (pixels into
// the record's image buffer). The overloads taking bytes work on a file already in memory.
#pragma once

#include <cstdint>
#include <span>

#include "objects/picture/picture_record.h"

namespace telvane::objects {

// Fills width, height, depth, file size, size estimate and palette from record.fileName.
PictureStatus ReadBmpHeader(PictureRecord& record);
PictureStatus ReadBmpHeader(PictureRecord& record, std::span<const std::uint8_t> file);

// Decodes the pixels of record.fileName, line by line through the record's put line
// (uncompressed) or straight into the image buffer (RLE8, RLE4).
PictureStatus LoadBmp(PictureRecord& record);
PictureStatus LoadBmp(PictureRecord& record, std::span<const std::uint8_t> file);

}  // namespace telvane::objects
