#include "config/command_line.h"

namespace telvane::config {

CommandLineSwitches ScanCommandLine(std::string_view commandLine) {
  const auto has = [&](std::string_view a, std::string_view b) {
    return commandLine.find(a) != std::string_view::npos ||
           commandLine.find(b) != std::string_view::npos;
  };
  return CommandLineSwitches{has("-c", "-C"), has("-r", "-R")};
}

std::string JoinArguments(std::span<const std::string> arguments) {
  std::string joined;
  for (const std::string& argument : arguments) {
    if (!joined.empty()) joined += ' ';
    joined += argument;
  }
  return joined;
}

}  // namespace telvane::config
