// Naming the file a picture is written to.
#pragma once

#include <string>
#include <string_view>

namespace telvane::objects {

// `source` with the extension of its file name replaced by "." + `extension`; a file name
// without an extension gets one appended. Dots in folder names and a leading dot of a
// hidden file name are not extensions: "/home/ann/my.pictures/logo.gif" -> ".../logo.BMP".
std::string ReplaceExtension(std::string_view source, std::string_view extension);

}  // namespace telvane::objects
