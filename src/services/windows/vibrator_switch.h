// The vibrator switch shared by the main window and the profile window: sends AT+CVIB=1
// or 0 as the box now stands, reports the outcome, and puts a refused box back.
#pragma once

#include "link/exchange.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::services {

void SwitchVibrator(link::Exchange& exchange, ui::Ui& ui, ui::Dialog& dialog, int boxId);

}  // namespace telvane::services
