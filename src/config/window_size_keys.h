// The keys under which the list windows keep their size in the settings file, beside
// their column widths: "<Window>Size=<width>,<height>", pixels of the whole window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace telvane::config {

// Larger values are taken as damaged, not as a window.
inline constexpr int kWindowSizeLimit = 16384;

struct SavedWindowSize {
  int width = 0, height = 0;
  bool operator==(const SavedWindowSize&) const = default;
};

// The key of a list window's template ("PBSize" for the phone book); none for a window
// whose size is not kept.
std::optional<std::string_view> WindowSizeKey(int templateId);

// "640,480": two runs of digits, each 1..kWindowSizeLimit, blanks around them allowed;
// anything else is none.
std::optional<SavedWindowSize> ParseWindowSize(std::string_view text);
std::string FormatWindowSize(SavedWindowSize size);

}  // namespace telvane::config
