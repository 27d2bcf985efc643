// The operation tables of the two picture formats.
#pragma once

#include "objects/picture/picture_record.h"

namespace telvane::objects {

// PutPictureLine, GetPictureLine, BMP header reader, BMP loader, BMP writer.
const PictureFormat& BmpPictureFormat();
// PutPictureLine, GetPictureLine, GIF header reader, GIF loader; no save.
const PictureFormat& GifPictureFormat();

}  // namespace telvane::objects
