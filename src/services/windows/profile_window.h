// The profile window (template 154): alert mode, ringer level, loudspeaker volume, mute
// and vibrator, each sent to the phone as it changes.
#pragma once

#include <optional>

#include "config/app_context.h"
#include "services/profile_settings.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::services {

class ProfileWindow : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 154;

  ProfileWindow(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnClose(ui::Dialog& dialog) override { dialog.End(ui::kIdOk); }

 private:
  // A level the phone accepted last, with its range; none when the range is unknown.
  struct Level {
    link::NumberRange range{};
    int value = 0;
  };
  void ShowLevel(ui::Dialog& dialog, int upDown, const std::optional<LevelSetting>& setting,
                 std::optional<Level>& level);
  void ChangeLevel(ui::Dialog& dialog, int upDown);
  void ChangeAlertMode(ui::Dialog& dialog, int mode);
  void SwitchMute(ui::Dialog& dialog);
  void ShowAlertMode(ui::Dialog& dialog, std::optional<int> mode);

  config::AppContext& context_;
  ui::Ui& ui_;
  std::optional<Level> ringer_;
  std::optional<Level> speaker_;
  std::optional<int> alertMode_;
};

}  // namespace telvane::services
