// The program's switches, recognised anywhere in the command line by plain substring
// (so "-c" inside a longer argument counts as well).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace telvane::config {

struct CommandLineSwitches {
  bool commandMode = false;  // "-c" or "-C": command mode once the main window is up
  bool askPort = false;      // "-r" or "-R": forget the chosen port for this run
};

CommandLineSwitches ScanCommandLine(std::string_view commandLine);
// The arguments joined with blanks, as the system hands a program its command line.
std::string JoinArguments(std::span<const std::string> arguments);

}  // namespace telvane::config
