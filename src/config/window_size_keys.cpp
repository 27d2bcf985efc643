#include "config/window_size_keys.h"

#include "base/decimal.h"

namespace telvane::config {
namespace {

struct WindowKey {
  int templateId;
  std::string_view key;
};

constexpr WindowKey kKeys[] = {
    {105, "PBSize"},     // phone book
    {120, "SMSSize"},    // SMS list
    {152, "SMSxSize"},   // SMS list, tall template ("SMSListx")
    {108, "OrgSize"},    // organizer
    {109, "NetSize"},    // net information
    {143, "PtxtSize"},   // predefined texts
    {148, "GroupSize"},  // SMS groups
};

std::optional<int> Dimension(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const std::optional<int> value = base::DigitsValue(text);
  if (!value || *value < 1 || *value > kWindowSizeLimit) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string_view> WindowSizeKey(int templateId) {
  for (const WindowKey& entry : kKeys) {
    if (entry.templateId == templateId) return entry.key;
  }
  return std::nullopt;
}

std::optional<SavedWindowSize> ParseWindowSize(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = Dimension(text.substr(0, comma));
  const std::optional<int> height = Dimension(text.substr(comma + 1));
  if (!width || !height) return std::nullopt;
  return SavedWindowSize{*width, *height};
}

std::string FormatWindowSize(SavedWindowSize size) {
  return std::to_string(size.width) + "," + std::to_string(size.height);
}

}  // namespace telvane::config
