// telvane-cli: the program's functions without a display.
//   telvane-cli script [--quick] FILE [-- ARGS]   run the program headless, driven by a UI script
//   telvane-cli pdu STATUS HEX          decode one PDU line as the SMS list reads it
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/pdu_command.h"
#include "cli/script_command.h"
#include "config/profile_file.h"
#include "config/settings.h"

namespace {

constexpr const char* kUsage =
    "usage: telvane-cli COMMAND ...\n"
    "  script [--quick] FILE [-- ARGS]\n"
    "                          run the program on the headless backend, driven by the UI\n"
    "                          script FILE (- for standard input); ARGS is its command line;\n"
    "                          --quick: short waits, for a simulated phone\n"
    "  pdu STATUS HEX          decode one PDU line of a \"+CMGL:\" list (STATUS 0..3)\n";

int Run(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
    (arguments.empty() ? std::cerr : std::cout) << kUsage;
    return arguments.empty() ? 2 : 0;
  }
  const std::string& verb = arguments[0];
  const std::span<const std::string> rest(arguments.begin() + 1, arguments.end());
  if (verb == "script") return telvane::cli::RunScriptCommand(rest, std::cout, std::cerr);
  if (verb == "pdu") {
    const telvane::config::Settings settings =
        telvane::config::ReadAllSettings(telvane::config::ProfileFile::ForUser());
    return telvane::cli::RunPduCommand(rest, settings.swapD != 0, std::cout, std::cerr);
  }
  std::cerr << "telvane-cli: unknown command \"" << verb << "\"\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "telvane-cli: " << error.what() << "\n";
    return 2;
  }
}
