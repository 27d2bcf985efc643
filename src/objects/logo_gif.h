// Turns a GIF picture into a BMP file with the picture codecs, for sending as the logo.
#pragma once

#include <string>

namespace telvane::objects {

// Which step of the conversion failed.
enum class GifStep { kNone, kReadHeader, kAllocate, kLoad, kWriteBmp };

struct GifConversion {
  GifStep failedStep = GifStep::kNone;
  int status = 0;  // the codec status of that step: 0 success, 1 cannot open, 2 bad header, ...
  bool Succeeded() const { return failedStep == GifStep::kNone; }
};

// Reads `gifPath` (header, buffer, pixels) and writes it as the BMP file `bmpPath`. The
// caller names `bmpPath` with the extension ".BMP" in a folder of its own.
GifConversion ConvertGifToBmp(const std::string& gifPath, const std::string& bmpPath);

}  // namespace telvane::objects
