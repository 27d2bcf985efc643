// Writing a picture record as an uncompressed Windows BMP file.
#pragma once

#include "objects/picture/picture_record.h"

namespace telvane::objects {

// Writes the record to its file name with the extension replaced by "BMP", taking each
// line through the record's get line. Depth 1 stays 1, 2..4 become 4, 5..8 become 8, more
// become 24. After any failure past its creation the file is removed.
PictureStatus SaveBmp(PictureRecord& record);

}  // namespace telvane::objects
