#include "objects/logo_gif.h"

#include "objects/picture/picture_formats.h"
#include "objects/picture/picture_record.h"

namespace telvane::objects {

GifConversion ConvertGifToBmp(const std::string& gifPath, const std::string& bmpPath) {
  PictureRecord gif;
  gif.format = &GifPictureFormat();
  gif.fileName = gifPath;
  if (const PictureStatus status = gif.format->readHeader(gif); status != PictureStatus::kOk) {
    return {GifStep::kReadHeader, static_cast<int>(status)};
  }
  if (!FitsPhone(gif) || !AllocatePictureBuffer(gif))
    return {GifStep::kAllocate, static_cast<int>(PictureStatus::kNoMemory)};
  if (const PictureStatus status = gif.format->load(gif); status != PictureStatus::kOk) {
    return {GifStep::kLoad, static_cast<int>(status)};
  }
  // A copy with the BMP operations writes the picture; its name already ends in ".BMP",
  // so the writer's extension rule keeps it.
  PictureRecord bmp = gif;
  bmp.format = &BmpPictureFormat();
  bmp.fileName = bmpPath;
  if (const PictureStatus status = bmp.format->save(bmp); status != PictureStatus::kOk) {
    return {GifStep::kWriteBmp, static_cast<int>(status)};
  }
  return {};
}

}  // namespace telvane::objects
