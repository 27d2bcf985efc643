#include "objects/windows/picture_preview.h"

#include "objects/picture/picture_formats.h"

namespace telvane::objects {
namespace {

std::uint32_t Rgb(const RgbColour& colour) {
  return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

// The palette index or colour of pixel x of one stored line.
std::uint32_t PixelOf(const PictureRecord& record, const std::uint8_t* line, std::uint32_t x) {
  switch (record.storedBits) {
    case 1: return Rgb(record.palette[(line[x / 8] >> (7 - x % 8)) & 1]);
    case 4: return Rgb(record.palette[x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2] & 0x0F]);
    case 8: return Rgb(record.palette[line[x]]);
    default: {
      const std::uint8_t* bgr = line + std::size_t{x} * 3;
      return (std::uint32_t{bgr[2]} << 16) | (std::uint32_t{bgr[1]} << 8) | bgr[0];
    }
  }
}

}  // namespace

ui::PreviewPicture PreviewOf(const PictureRecord& record) {
  ui::PreviewPicture picture;
  const std::uint64_t needed = std::uint64_t{record.storedRows} * record.bytesPerLine;
  if (record.image.size() < needed || record.height > record.storedRows ||
      StoredLineBytes(record.width, record.storedBits) > record.bytesPerLine) {
    return picture;  // not a loaded picture
  }
  picture.width = static_cast<int>(record.width);
  picture.height = static_cast<int>(record.height);
  picture.pixels.reserve(std::size_t{record.width} * record.height);
  for (std::uint32_t y = 0; y < record.height; ++y) {
    // Rows are stored bottom-up.
    const std::uint8_t* line =
        record.image.data() + std::size_t{record.storedRows - y - 1} * record.bytesPerLine;
    for (std::uint32_t x = 0; x < record.width; ++x)
      picture.pixels.push_back(PixelOf(record, line, x));
  }
  return picture;
}

void PicturePreview::Clear() {
  FreePictureBuffer(record_);
  record_ = PictureRecord{};
  picture_.reset();
}

void PicturePreview::SelectionChanged(const std::string& path) {
  Clear();
  const auto holds = [&path](const char* text) { return path.find(text) != std::string::npos; };
  if (holds(".gif") || holds(".GIF")) {
    record_.format = &GifPictureFormat();
  } else if (holds(".bmp") || holds(".BMP")) {
    record_.format = &BmpPictureFormat();
  } else {
    return;
  }
  record_.fileName = path;
  if (record_.format->readHeader(record_) != PictureStatus::kOk || !FitsPhone(record_) ||
      !AllocatePictureBuffer(record_) || record_.format->load(record_) != PictureStatus::kOk) {
    Clear();
    return;
  }
  ui::PreviewPicture picture = PreviewOf(record_);
  if (picture.width > 0) picture_ = std::move(picture);
}

}  // namespace telvane::objects
