// A made-up logo file for the transfer benchmarks: "BM" and a byte pattern, in a temporary
// file that goes away when closed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "base/file_handle.h"

namespace telvane::bench {

inline constexpr std::size_t kLogoBytes = 5000;

inline base::FileHandle LogoFile() {
  base::FileHandle file(std::tmpfile());
  if (!file) return file;
  std::string bytes = "BM";
  for (std::size_t i = bytes.size(); i < kLogoBytes; ++i) bytes += static_cast<char>(i * 7);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) file.reset();
  if (file) std::rewind(file.get());
  return file;
}

}  // namespace telvane::bench
