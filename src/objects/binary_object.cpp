#include "objects/binary_object.h"

namespace telvane::objects {

std::string_view ObjectTypeName(ObjectType type) {
  switch (type) {
    case ObjectType::kVcf: return "vcf";
    case ObjectType::kVcs: return "vcs";
    case ObjectType::kBmp: return "bmp";
    case ObjectType::kMid: return "mid";
  }
  return "vcf";
}

std::size_t BlockSize(ObjectType type) { return type == ObjectType::kBmp ? 50 : 100; }

int BlockCount(std::size_t length, std::size_t blockSize) {
  return static_cast<int>(length / blockSize + (length % blockSize != 0 ? 1 : 0));
}

}  // namespace telvane::objects
