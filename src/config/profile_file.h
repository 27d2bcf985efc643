// Telvane.ini, where the settings live: one section of an INI file; keys are
// case-insensitive; a missing file or key gives the caller's default;
// a write changes one key and keeps every other line and section as it is, whatever the
// file's size (lookups read only its first MiB); writes are atomic.
// Lookups read the file once and keep it; a write reads it again whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::config {

class ProfileFile {
 public:
  ProfileFile(std::filesystem::path file, std::string section);

  // The folder and file the program uses: $XDG_CONFIG_HOME/telvane/Telvane.ini,
  // else ~/.config/telvane/Telvane.ini, section "Telvane".
  static ProfileFile ForUser();
  static std::filesystem::path UserConfigFolder();

  const std::filesystem::path& Path() const { return file_; }

  // The value of `key` in the section, blanks around it removed and one pair of
  // enclosing double quotes taken off, as the profile functions read it.
  std::optional<std::string> Get(std::string_view key) const;
  std::string GetString(std::string_view key, std::string_view fallback) const;

  // Sets `key` to `value` (line breaks in either become blanks so the file keeps its
  // lines), creating the folder, file, section or key as needed. The file is replaced
  // through a temporary file and a rename, so a crash never leaves half a file.
  // Returns false when the file could not be written.
  bool Write(std::string_view key, std::string_view value);

 private:
  const std::vector<std::string>& Lines() const;

  std::filesystem::path file_;
  std::string section_;
  mutable std::optional<std::vector<std::string>> lines_;  // the file as last read or written
};

}  // namespace telvane::config
