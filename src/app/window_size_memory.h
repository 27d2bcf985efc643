// The list windows' sizes kept in the settings file under their "<Window>Size" keys, so
// that a window opens again in the size the user left it, in this run and the next.
#pragma once

#include "config/profile_file.h"
#include "ui/window_sizes.h"

namespace telvane::app {

class SettingsWindowSizes final : public ui::WindowSizeStore {
 public:
  explicit SettingsWindowSizes(config::ProfileFile& profile) : profile_(profile) {}

  std::optional<ui::WindowSize> Recall(int templateId) const override;
  void Remember(int templateId, ui::WindowSize size) override;

 private:
  config::ProfileFile& profile_;
};

}  // namespace telvane::app
