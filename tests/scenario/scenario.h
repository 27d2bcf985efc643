// A scenario: the real telvane-sim on a pseudo-terminal, the real program run as
// `telvane-cli script`, and the phone's transcript as the evidence.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/hex_text.h"
#include "support/temp_dir.h"

namespace telvane::testing {

// status, out (message lines, dumps) and err of one telvane-cli run.
using ScriptRun = ProgramRun;

class Scenario {
 public:
  // `stateJson` describes the phone (empty: the demo phone); `settings` are extra lines
  // for Telvane.ini after Port and Device0.
  explicit Scenario(const std::string& stateJson = "", const std::string& settings = "");
  ~Scenario();
  Scenario(const Scenario&) = delete;
  Scenario& operator=(const Scenario&) = delete;

  ScriptRun Run(const std::string& script, const std::vector<std::string>& arguments = {});
  // The command line of such a run (`telvane-cli script [--quick] FILE`), and its
  // environment, for tests that run the program themselves.
  std::vector<std::string> ScriptCommand(const std::string& script,
                                         const std::vector<std::string>& arguments = {});
  std::vector<std::string> Environment() const;
  // Later runs take the program's short waits (telvane-cli script --quick).
  void UseQuickPace() { quick_ = true; }

  // The command lines the phone received, in order ("ATZ", "AT+CBC", ...).
  std::vector<std::string> Received() const;
  // Everything the phone received from the first line equal to `command` on.
  std::vector<std::string> ReceivedFrom(const std::string& command) const;
  void ClearTranscript();
  // Stops the simulator and returns the phone's state as it saved it (scenarios with a
  // state only); later runs find no phone.
  std::string StoppedState();

  const std::filesystem::path& Folder() const { return folder_.Path(); }
  std::filesystem::path SettingsFile() const;

 private:
  TempDir folder_;
  std::filesystem::path link_;
  std::filesystem::path transcript_;
  std::unique_ptr<ChildProcess> sim_;
  bool quick_ = false;
};

std::filesystem::path ProgramFolder();

}  // namespace telvane::testing
