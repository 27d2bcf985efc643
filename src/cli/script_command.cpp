#include "cli/script_command.h"

#include <fstream>
#include <iostream>
#include <vector>

#include "app/program.h"
#include "config/locale_info.h"
#include "ui/headless/run_script.h"
#include "ui/resources.h"

namespace telvane::cli {

int RunScriptCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  app::Pace pace = app::Pace::kNormal;
  if (!args.empty() && args[0] == "--quick") {
    pace = app::Pace::kQuick;
    args = args.subspan(1);
  }
  if (args.empty() || args[0] == "--") {
    err << "usage: telvane-cli script [--quick] FILE [-- ARGS]\n";
    return 2;
  }
  std::vector<std::string> programArguments;
  if (args.size() > 1) {
    if (args[1] != "--") {
      err << "telvane-cli script: unexpected argument \"" << args[1]
          << "\" (program arguments follow \"--\")\n";
      return 2;
    }
    programArguments.assign(args.begin() + 2, args.end());
  }
  const std::string& name = args[0];
  std::ifstream file;
  std::istream* script = &std::cin;
  if (name != "-") {
    file.open(name);
    if (!file) {
      err << "telvane-cli script: cannot read " << name << "\n";
      return 2;
    }
    script = &file;
  }
  return ui::headless::RunScript(
      *script, name, out, err, ui::Resources::Embedded(), config::LanguageIdFromEnvironment(),
      [&](ui::headless::HeadlessUi& ui) { app::RunProgram(ui, programArguments, {}, pace); });
}

}  // namespace telvane::cli
