// Unwinds the program run by a UI script: thrown by the headless backend when the script
// runs out while windows are open, or stops on a script error. Only the script runner
// catches it; it deliberately does not derive from std::exception, so window code that
// catches std::exception does not swallow it.
#pragma once

#include <string>

namespace telvane::ui::headless {

struct ScriptStop {
  int status = 0;      // the script's exit status: 0, 1 (an expect failed) or 2 (error)
  std::string reason;  // for status 2: what went wrong, with the script line
};

}  // namespace telvane::ui::headless
