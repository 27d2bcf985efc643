// An owned C stream, closed when its owner goes.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

namespace telvane::base {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// std::fopen into a handle; empty when the file cannot be opened.
inline FileHandle OpenFile(const std::filesystem::path& path, const char* mode) {
  return FileHandle(std::fopen(path.c_str(), mode));
}

// Closes the file now; true when its buffered data reached the file. Empties `file`.
inline bool CloseFile(FileHandle& file) { return std::fclose(file.release()) == 0; }

}  // namespace telvane::base
