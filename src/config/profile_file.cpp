#include "config/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace telvane::config {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// "[Name]" gives Name; any other line gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

// Files larger than this are read only up to it: a settings file is a few kilobytes,
// and a runaway one must not stall start-up.
constexpr std::size_t kMaxFileBytes = 1 << 20;

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  std::size_t total = 0;
  while (total < kMaxFileBytes && std::getline(in, line)) {
    total += line.size() + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string OneLine(std::string_view text) {
  std::string result(text);
  std::replace_if(
      result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return result;
}

bool ReplaceFileAtomically(const std::filesystem::path& file, const std::string& content) {
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  std::string pattern = file.string() + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  std::size_t written = 0;
  bool ok = true;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n <= 0) {
      ok = false;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) {
    // Keep the permissions of the file being replaced (mkstemp creates it 0600).
    struct stat old {};
    ::fchmodat(AT_FDCWD, pattern.c_str(),
               ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644, 0);
    ok = ::rename(pattern.c_str(), file.c_str()) == 0;
  }
  if (!ok) ::unlink(pattern.c_str());
  return ok;
}

}  // namespace

ProfileFile::ProfileFile(std::filesystem::path file, std::string section)
    : file_(std::move(file)), section_(std::move(section)) {}

std::filesystem::path ProfileFile::UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg == '/') return std::filesystem::path(xdg) / "telvane";
  const char* home = std::getenv("HOME");
  const std::filesystem::path base = (home != nullptr && *home != '\0') ? home : ".";
  return base / ".config" / "telvane";
}

ProfileFile ProfileFile::ForUser() {
  return ProfileFile(UserConfigFolder() / "Telvane.ini", "Telvane");
}

std::optional<std::string> ProfileFile::Get(std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : Lines()) {
    if (const auto name = SectionName(line)) {
      inSection = EqualsNoCase(*name, section_);
      continue;
    }
    if (!inSection) continue;
    const auto entry = ParseKeyLine(line);
    if (!entry || !EqualsNoCase(entry->key, key)) continue;
    std::string_view value = entry->value;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
  }
  return std::nullopt;
}

std::string ProfileFile::GetString(std::string_view key, std::string_view fallback) const {
  auto value = Get(key);
  return value ? std::move(*value) : std::string(fallback);
}

bool ProfileFile::Write(std::string_view key, std::string_view value) {
  const std::string cleanKey = OneLine(Trim(key));
  if (cleanKey.empty() || cleanKey.find('=') != std::string::npos) return false;
  const std::string newLine = cleanKey + "=" + OneLine(value);

  std::vector<std::string> lines = Lines();
  bool inSection = false;
  std::optional<std::size_t> sectionEnd;  // index after the last line of our section
  bool replaced = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i])) {
      inSection = EqualsNoCase(*name, section_);
      if (inSection) sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i]).empty()) sectionEnd = i + 1;
    const auto entry = ParseKeyLine(lines[i]);
    if (entry && EqualsNoCase(entry->key, cleanKey)) {
      lines[i] = newLine;
      replaced = true;
      break;
    }
  }
  if (!replaced) {
    if (sectionEnd) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), newLine);
    } else {
      lines.push_back("[" + section_ + "]");
      lines.push_back(newLine);
    }
  }
  std::string content;
  for (const std::string& line : lines) content += line + "\n";
  if (!ReplaceFileAtomically(file_, content)) return false;
  lines_ = std::move(lines);
  return true;
}

const std::vector<std::string>& ProfileFile::Lines() const {
  if (!lines_) lines_ = ReadLines(file_);
  return *lines_;
}

}  // namespace telvane::config
