// The res/<language>/*.rc files as embedded at build time (the generated
// embedded_resource_files.cpp defines them).
#pragma once

#include <span>
#include <string_view>

namespace telvane::ui {

struct EmbeddedResourceFile {
  int languageId = 0;
  std::string_view name;  // "en/main.rc"
  std::string_view text;  // the file's bytes, UTF-8
};

std::span<const EmbeddedResourceFile> EmbeddedResourceFiles();

}  // namespace telvane::ui
