#include "app/window_size_memory.h"

#include <algorithm>

#include "config/window_size_keys.h"

namespace telvane::app {

std::optional<ui::WindowSize> SettingsWindowSizes::Recall(int templateId) const {
  const auto key = config::WindowSizeKey(templateId);
  if (!key) return std::nullopt;
  const std::optional<std::string> value = profile_.Get(*key);
  if (!value) return std::nullopt;
  const auto size = config::ParseWindowSize(*value);
  if (!size) return std::nullopt;
  return ui::WindowSize{size->width, size->height};
}

void SettingsWindowSizes::Remember(int templateId, ui::WindowSize size) {
  const auto key = config::WindowSizeKey(templateId);
  if (!key || size.width < 1 || size.height < 1) return;
  size = {std::min(size.width, config::kWindowSizeLimit),
          std::min(size.height, config::kWindowSizeLimit)};
  if (Recall(templateId) == size) return;  // nothing changed: the file stays untouched
  profile_.Write(*key, config::FormatWindowSize({size.width, size.height}));
}

}  // namespace telvane::app
