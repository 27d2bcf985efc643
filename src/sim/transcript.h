#pragma once

#include <cstdio>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_handle.h"

namespace telvane::sim {

// Control and non-ASCII bytes as <CR>, <LF>, <SUB>, <ESC>, <NUL> or <XX> (hex).
std::string EscapeForTranscript(std::string_view bytes);

// The conversation: "> TEXT" per line or block received, "< TEXT" per non-empty answer line
// sent. Kept in memory (the newest kMaxLines lines) and appended to a file when given.
class Transcript {
 public:
  static constexpr std::size_t kMaxLines = 100000;

  explicit Transcript(std::optional<std::filesystem::path> file);  // throws when unwritable

  void Received(std::string_view text);  // text already escaped
  void Sent(std::string_view answer);    // raw answer bytes, split into lines here
  std::vector<std::string> Lines() const;
  void Clear();

 private:
  void Add(std::string line);

  mutable std::mutex mutex_;
  std::deque<std::string> lines_;
  base::FileHandle file_;
};

}  // namespace telvane::sim
