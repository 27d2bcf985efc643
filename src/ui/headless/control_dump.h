// The `dump` form of a control's or menu command's state: stable, one fact a line.
#pragma once

#include <string>

namespace telvane::ui::headless {

class HeadlessDialog;

// The control's state, or else the menu bar command's; "" when the dialog has neither.
std::string DumpControl(const HeadlessDialog& dialog, int id);

}  // namespace telvane::ui::headless
