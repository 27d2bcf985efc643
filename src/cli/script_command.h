// "telvane-cli script [--quick] FILE [-- ARGS]": the program's start-up and main window on the
// headless backend, driven by a UI script.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace telvane::cli {

// args are the arguments after "script": "--quick" for the short waits of app::Pace, the
// script file ("-" for standard input), optionally followed by "--" and the program's own
// command line. Returns the script's
// exit status: 0 all held, 1 an expect failed, 2 a script or usage error.
int RunScriptCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace telvane::cli
