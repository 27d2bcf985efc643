#include "objects/picture/picture_formats.h"

#include "objects/picture/bmp_reader.h"
#include "objects/picture/bmp_writer.h"
#include "objects/picture/gif_reader.h"

namespace telvane::objects {

const PictureFormat& BmpPictureFormat() {
  static const PictureFormat format{
      PutPictureLine,
      GetPictureLine,
      [](PictureRecord& record) { return ReadBmpHeader(record); },
      [](PictureRecord& record) { return LoadBmp(record); },
      SaveBmp,
  };
  return format;
}

const PictureFormat& GifPictureFormat() {
  static const PictureFormat format{
      PutPictureLine,
      GetPictureLine,
      [](PictureRecord& record) { return ReadGifHeader(record); },
      [](PictureRecord& record) { return LoadGif(record); },
      {},
  };
  return format;
}

}  // namespace telvane::objects
