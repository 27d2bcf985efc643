#include "objects/picture/picture_file_name.h"

namespace telvane::objects {

std::string ReplaceExtension(std::string_view source, std::string_view extension) {
  const std::size_t slash = source.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::size_t stemEnd = source.rfind('.');
  if (stemEnd == std::string_view::npos || stemEnd <= nameStart) stemEnd = source.size();
  std::string target(source.substr(0, stemEnd));
  target += '.';
  target += extension;
  return target;
}

}  // namespace telvane::objects
