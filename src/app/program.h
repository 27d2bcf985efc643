// The program as a whole on a dialog backend: start-up, the main window until the user
// exits, then the link closed. Shared by the GUI and telvane-cli.
#pragma once

#include <string>
#include <vector>

namespace telvane::ui {
class Ui;
}

namespace telvane::app {

// `arguments` is the command line without the program name. Returns 0.
int RunProgram(ui::Ui& ui, const std::vector<std::string>& arguments);

}  // namespace telvane::app
