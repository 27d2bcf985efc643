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

#include "base/replacing_file.h"

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

// Lookups read the file only up to this size: a settings file is a few kilobytes, and a
// runaway one must not stall start-up. A write works on the whole file.
constexpr std::size_t kMaxFileBytes = 1 << 20;

// One line of the file with the line end it had ("\n", "\r\n", or none at the end).
struct RawLine {
  std::string text;
  std::string end;
};

std::vector<RawLine> SplitLines(std::string_view content) {
  std::vector<RawLine> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t feed = content.find('\n', start);
    const std::size_t stop = feed == std::string_view::npos ? content.size() : feed;
    RawLine line{std::string(content.substr(start, stop - start)),
                 feed == std::string_view::npos ? "" : "\n"};
    if (!line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.end.insert(0, "\r");
    }
    lines.push_back(std::move(line));
    start = stop + 1;
  }
  return lines;
}

// The whole file; an empty text for a missing file, nothing when it cannot be read.
std::optional<std::string> ReadContent(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return ec ? std::nullopt : std::optional<std::string>("");
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::string head(kMaxFileBytes, '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  std::vector<std::string> lines;
  for (RawLine& line : SplitLines(head)) lines.push_back(std::move(line.text));
  return lines;
}

std::string OneLine(std::string_view text) {
  std::string result(text);
  std::replace_if(
      result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return result;
}

// Replaces the line of `key` in `section`, or adds it behind the section's last
// non-blank line, or adds the section at the end of the file.
void SetKeyLine(std::vector<RawLine>& lines, std::string_view section, std::string_view key,
                std::string newLine) {
  bool inSection = false;
  std::optional<std::size_t> sectionEnd;  // index after the last line of the section
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i].text)) {
      inSection = EqualsNoCase(*name, section);
      if (inSection) sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i].text).empty()) sectionEnd = i + 1;
    const auto entry = ParseKeyLine(lines[i].text);
    if (entry && EqualsNoCase(entry->key, key)) {
      lines[i].text = std::move(newLine);
      return;
    }
  }
  // A line added behind the file's last line needs that line ended first.
  const std::size_t at = sectionEnd.value_or(lines.size());
  if (at == lines.size() && !lines.empty() && lines.back().end.empty()) lines.back().end = "\n";
  if (sectionEnd) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd),
                 {std::move(newLine), "\n"});
  } else {
    lines.push_back({"[" + std::string(section) + "]", "\n"});
    lines.push_back({std::move(newLine), "\n"});
  }
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
  // The file as it is now, whole: every line not changed here is written back as it was.
  const std::optional<std::string> content = ReadContent(file_);
  if (!content) return false;
  std::vector<RawLine> lines = SplitLines(*content);
  SetKeyLine(lines, section_, cleanKey, cleanKey + "=" + OneLine(value));

  std::string written;
  written.reserve(content->size() + value.size() + key.size() + section_.size() + 8);
  for (const RawLine& line : lines) written += line.text + line.end;
  std::error_code ec;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
  if (!base::ReplaceFileWith(file_, written)) return false;
  lines_.reset();  // read again, from the file as written, at the next lookup
  return true;
}

const std::vector<std::string>& ProfileFile::Lines() const {
  if (!lines_) lines_ = ReadLines(file_);
  return *lines_;
}

}  // namespace telvane::config
