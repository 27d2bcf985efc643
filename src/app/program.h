// The program as a whole on a dialog backend: start-up, the main window until the user
// exits, then the link closed. Shared by the GUI and telvane-cli.
#pragma once

#include <string>
#include <vector>

#include "link/link_waiter.h"

namespace telvane::ui {
class Ui;
}

namespace telvane::app {

// How long the program waits for the phone. kQuick is for a simulated phone that answers
// at once (test runs): no settling pauses after opening the port, and a silent or stalled
// answer is given up after a second or two instead of twenty.
enum class Pace { kNormal, kQuick };

// `arguments` is the command line without the program name; `waiter` is how exchanges wait
// for the phone (a GUI's keeps its event loop running; default: poll()). Returns 0.
int RunProgram(ui::Ui& ui, const std::vector<std::string>& arguments, link::LinkWaiter waiter = {},
               Pace pace = Pace::kNormal);

}  // namespace telvane::app
