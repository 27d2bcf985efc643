// The `dump` form of a control's or menu command's state: stable, one fact a line.
#pragma once

#include <string>

namespace telvane::ui::headless {

class HeadlessDialog;

// The control's state, or else the menu bar command's; "" when the dialog has neither.
// A control's text as a screen shows it: a password edit (ES_PASSWORD) as one "*" per
// character, so no dump or check output carries a password.
std::string ShownText(const HeadlessDialog& dialog, int id);

std::string DumpControl(const HeadlessDialog& dialog, int id);

}  // namespace telvane::ui::headless
