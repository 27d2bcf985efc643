#include "objects/picture/bmp_writer.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/file_handle.h"
#include "base/replacing_file.h"
#include "objects/picture/picture_file_name.h"

namespace telvane::objects {

namespace {

std::uint32_t WrittenDepth(std::uint32_t bitsPerPixel) {
  if (bitsPerPixel <= 1) return 1;
  if (bitsPerPixel <= 4) return 4;
  if (bitsPerPixel <= 8) return 8;
  return 24;
}

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

// File header, 40-byte information header and colour table. The table is the record's
// own for two-colour pictures too, so a picture whose first colour is not black keeps its
// look instead of being inverted.
std::vector<std::uint8_t> BmpHeaders(const PictureRecord& record, std::uint32_t depth,
                                     std::uint32_t lineBytes) {
  const std::uint32_t entries = depth == 24 ? 0 : 1u << depth;
  const std::uint32_t pixelOffset = 54 + entries * 4;
  std::vector<std::uint8_t> out{'B', 'M'};
  PutLe32(out, record.height * lineBytes + pixelOffset);
  PutLe32(out, 0);
  PutLe32(out, pixelOffset);
  PutLe32(out, 40);
  PutLe32(out, record.width);
  PutLe32(out, record.height);
  PutLe16(out, 1);
  PutLe16(out, depth);
  for (int field = 0; field < 6; ++field) PutLe32(out, 0);  // compression 0, sizes, colours
  for (std::uint32_t i = 0; i < entries; ++i) {
    const RgbColour& colour = record.palette[i];
    out.insert(out.end(), {colour.blue, colour.green, colour.red, 0});
  }
  return out;
}

PictureStatus WriteBmpFile(PictureRecord& record, std::FILE* file) {
  const std::uint32_t depth = WrittenDepth(record.bitsPerPixel);
  const std::uint64_t lineBytes = StoredLineBytes(record.width, depth);
  if (lineBytes * record.height > kMaxPictureBufferBytes) return PictureStatus::kNoMemory;
  const auto headers = BmpHeaders(record, depth, static_cast<std::uint32_t>(lineBytes));
  if (std::fwrite(headers.data(), 1, headers.size(), file) != headers.size()) {
    return PictureStatus::kWriteFailed;
  }
  std::vector<std::uint8_t> line(lineBytes);
  for (std::uint32_t r = 0; r < record.height; ++r) {
    std::fill(line.begin(), line.end(), 0);
    if (GetLineThroughFormat(line, record.height - 1 - r, record) == LineAction::kStop) {
      return PictureStatus::kStopped;
    }
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size()) {
      return PictureStatus::kWriteFailed;
    }
  }
  return PictureStatus::kOk;
}

}  // namespace

PictureStatus SaveBmp(PictureRecord& record) {
  const std::string name = ReplaceExtension(record.fileName, "BMP");
  if (record.fileName.empty() || name.size() > kMaxPictureFileName) {
    return PictureStatus::kCannotCreate;
  }
  base::ReplacingFile file(name);
  if (!file) return PictureStatus::kCannotCreate;
  PictureStatus status = WriteBmpFile(record, file.get());
  if (status == PictureStatus::kOk && !file.Commit()) status = PictureStatus::kWriteFailed;
  return status;
}

}  // namespace telvane::objects
