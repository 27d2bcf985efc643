#include "objects/picture/picture_file.h"

#include <cstdio>

#include "base/file_handle.h"

namespace telvane::objects {

PictureStatus ReadPictureFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  if (fileName.empty() || fileName.size() > kMaxPictureFileName) return PictureStatus::kCannotOpen;
  base::FileHandle file = base::OpenFile(fileName, "rb");
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return PictureStatus::kCannotOpen;
  const long size = std::ftell(file.get());
  if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return PictureStatus::kCannotOpen;
  if (static_cast<std::uint64_t>(size) > kMaxPictureFileBytes) return PictureStatus::kNoMemory;
  bytes.resize(static_cast<std::size_t>(size));
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    bytes.clear();
    return PictureStatus::kCannotOpen;
  }
  return PictureStatus::kOk;
}

}  // namespace telvane::objects
