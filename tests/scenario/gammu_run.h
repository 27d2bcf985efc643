// gammu, an independent client, run against a scenario's simulated phone.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {

// Runs gammu once against the scenario's phone; its output and error text together. A
// machine without gammu fails the test: the check would otherwise pass unseen.
inline ProgramRun Gammu(const Scenario& scenario, const std::vector<std::string>& arguments) {
  const auto gammu = FindOnPath("gammu");
  if (!gammu) {
    ADD_FAILURE() << "gammu is not installed (Debian package \"gammu\"); this test needs it";
    return {};
  }
  const auto rc = scenario.Folder() / "gammurc";
  WriteFile(rc,
            "[gammu]\ndevice = " + (scenario.Folder() / "phone").string() + "\nconnection = at\n");
  std::vector<std::string> command{*gammu, "-c", rc.string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ProgramRun run = RunProgram(command);
  run.out += run.err;
  return run;
}

}  // namespace telvane::testing
