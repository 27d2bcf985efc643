#include "services/windows/vibrator_switch.h"

#include "services/profile_settings.h"
#include "services/windows/services_window_ids.h"

namespace telvane::services {

using namespace window_ids;

void SwitchVibrator(link::Exchange& exchange, ui::Ui& ui, ui::Dialog& dialog, int boxId) {
  const bool on = dialog.IsChecked(boxId);
  if (SetVibrator(exchange, on)) {
    ui::ShowInfo(ui, on ? kStrVibratorOn : kStrVibratorOff);
    return;
  }
  ui::ShowError(ui, on ? kStrCantVibratorOn : kStrCantVibratorOff);
  // The box keeps showing what the phone does.
  dialog.SetChecked(boxId, !on);
}

}  // namespace telvane::services
