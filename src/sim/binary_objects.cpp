#include "sim/binary_objects.h"

#include <algorithm>
#include <cctype>

namespace telvane::sim {

const ObjectType* FindObjectType(std::string_view name) {
  for (const ObjectType& type : kObjectTypes) {
    if (std::equal(
            name.begin(), name.end(), type.name.begin(), type.name.end(),
            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; })) {
      return &type;
    }
  }
  return nullptr;
}

const ObjectType* ParseObjectTypeParameter(std::string_view parameter) {
  if (parameter.size() >= 2 && parameter.front() == '"' && parameter.back() == '"') {
    parameter = parameter.substr(1, parameter.size() - 2);
  }
  return FindObjectType(parameter);
}

int BlockCount(std::size_t length, std::size_t blockSize) {
  return static_cast<int>((length + blockSize - 1) / blockSize);
}

std::vector<std::string_view> SplitIntoBlocks(std::string_view bytes, std::size_t blockSize) {
  std::vector<std::string_view> blocks;
  for (std::size_t at = 0; at < bytes.size(); at += blockSize) {
    blocks.push_back(bytes.substr(at, blockSize));
  }
  return blocks;
}

}  // namespace telvane::sim
