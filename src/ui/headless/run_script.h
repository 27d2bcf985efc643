// Plays a UI script against a program running on the headless backend.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string_view>

#include "ui/headless/headless_ui.h"
#include "ui/resources.h"

namespace telvane::ui::headless {

// Reads the script, builds a HeadlessUi over `resources` in language `languageId` and
// runs `program` on it (start-up and the main window, which call RunModal); message
// lines and dumps go to `out`, failed expects and script errors to `err`.
// Returns the exit status: 0 when every step and expect held, 1 when an expect failed,
// 2 on a script error (also when the program ends while script lines remain).
// Exceptions other than the backend's own ScriptStop pass through.
int RunScript(std::istream& script, std::string_view scriptName, std::ostream& out,
              std::ostream& err, const Resources& resources, int languageId,
              const std::function<void(HeadlessUi&)>& program);

}  // namespace telvane::ui::headless
