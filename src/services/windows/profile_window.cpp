#include "services/windows/profile_window.h"

#include <algorithm>

#include "services/windows/services_window_ids.h"
#include "services/windows/vibrator_switch.h"

namespace telvane::services {

using namespace window_ids;

namespace {

constexpr int kAlertButtons[] = {kAlertNormal, kAlertSilent, kAlertBeep};

}  // namespace

void ProfileWindow::OnInit(ui::Dialog& dialog) {
  const ProfileReading reading = ReadProfile(context_.exchange);
  if (reading.vibrator) dialog.SetChecked(kVibraMode, *reading.vibrator);
  if (reading.mute) dialog.SetChecked(kMute, *reading.mute);
  ShowAlertMode(dialog, reading.alertMode);
  alertMode_ = reading.alertMode;
  ShowLevel(dialog, kRingerUpDown, reading.ringer, ringer_);
  ShowLevel(dialog, kSpeakerUpDown, reading.speaker, speaker_);
}

void ProfileWindow::ShowAlertMode(ui::Dialog& dialog, std::optional<int> mode) {
  for (int i = 0; i < 3; ++i) dialog.SetChecked(kAlertButtons[i], mode == i);
}

void ProfileWindow::ShowLevel(ui::Dialog& dialog, int upDown,
                              const std::optional<LevelSetting>& setting,
                              std::optional<Level>& level) {
  // Without its range an up-down could only send levels the phone never offered.
  if (!setting) {
    dialog.Enable(upDown, false);
    return;
  }
  dialog.SetRange(upDown, setting->range.low, setting->range.high);
  if (setting->value) dialog.SetPos(upDown, *setting->value);
  // The level as the up-down holds it, within the range.
  level = Level{setting->range, dialog.Pos(upDown)};
}

void ProfileWindow::ChangeLevel(ui::Dialog& dialog, int upDown) {
  std::optional<Level>& level = upDown == kRingerUpDown ? ringer_ : speaker_;
  if (!level) return;
  const int wanted = std::clamp(dialog.Pos(upDown), std::min(level->range.low, level->range.high),
                                std::max(level->range.low, level->range.high));
  const bool done = upDown == kRingerUpDown ? SetRingerLevel(context_.exchange, wanted)
                                            : SetSpeakerVolume(context_.exchange, wanted);
  if (done) level->value = wanted;
  // A refused level shows the one the phone keeps.
  dialog.SetPos(upDown, level->value);
}

void ProfileWindow::ChangeAlertMode(ui::Dialog& dialog, int mode) {
  if (SetAlertMode(context_.exchange, mode)) {
    alertMode_ = mode;
  } else {
    ShowAlertMode(dialog, alertMode_);
  }
}

void ProfileWindow::SwitchMute(ui::Dialog& dialog) {
  const bool on = dialog.IsChecked(kMute);
  if (SetMute(context_.exchange, on)) {
    ui::ShowInfo(ui_, on ? kStrMuteOn : kStrMuteOff);
    return;
  }
  ui::ShowError(ui_, on ? kStrCantMuteOn : kStrCantMuteOff);
  dialog.SetChecked(kMute, !on);
}

void ProfileWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind == ui::EventKind::Changed &&
      (event.controlId == kRingerUpDown || event.controlId == kSpeakerUpDown)) {
    ChangeLevel(dialog, event.controlId);
  }
}

void ProfileWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kAlertNormal: ChangeAlertMode(dialog, 0); break;
    case kAlertSilent: ChangeAlertMode(dialog, 1); break;
    case kAlertBeep: ChangeAlertMode(dialog, 2); break;
    case kMute: SwitchMute(dialog); break;
    case kVibraMode: SwitchVibrator(context_.exchange, ui_, dialog, kVibraMode); break;
    case ui::kIdOk:
    case ui::kIdCancel: dialog.End(ui::kIdOk); break;
    default: break;
  }
}

}  // namespace telvane::services
