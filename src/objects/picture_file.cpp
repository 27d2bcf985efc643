#include "objects/picture_file.h"

#include <fstream>
#include <system_error>

namespace telvane::objects {

PictureStatus ReadPictureFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  if (fileName.empty() || fileName.size() > kMaxPictureFileName) return PictureStatus::kCannotOpen;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return PictureStatus::kCannotOpen;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0) return PictureStatus::kCannotOpen;
  if (static_cast<std::uint64_t>(size) > kMaxPictureFileBytes) return PictureStatus::kNoMemory;
  file.seekg(0, std::ios::beg);
  bytes.resize(static_cast<std::size_t>(size));
  file.read(reinterpret_cast<char*>(bytes.data()), size);
  if (file.gcount() != size) {
    bytes.clear();
    return PictureStatus::kCannotOpen;
  }
  return PictureStatus::kOk;
}

}  // namespace telvane::objects
