#include "scenario.h"

#include <signal.h>

#include <fstream>
#include <stdexcept>

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

fs::path ProgramFolder() { return TELVANE_PROGRAM_FOLDER; }

Scenario::Scenario(const std::string& stateJson, const std::string& settings) {
  link_ = folder_ / "phone";
  transcript_ = folder_ / "transcript.txt";
  std::vector<std::string> arguments{(ProgramFolder() / "telvane-sim").string(), "--link",
                                     link_.string(), "--transcript", transcript_.string()};
  if (!stateJson.empty()) {
    WriteFile(folder_ / "state.json", stateJson);
    arguments.insert(arguments.end(), {"--state", (folder_ / "state.json").string()});
  }
  sim_ = std::make_unique<ChildProcess>(arguments);
  // The simulator names its device once the link is in place.
  if (!sim_->ReadLine() || !fs::exists(link_)) {
    sim_->Wait();
    throw std::runtime_error("telvane-sim did not start: " + sim_->Stderr());
  }
  fs::create_directories(folder_ / "config" / "telvane");
  WriteFile(SettingsFile(), "[Telvane]\nPort=0\nDevice0=" + link_.string() + "\n" + settings);
}

Scenario::~Scenario() {
  sim_->Signal(SIGTERM);
  sim_->Wait();
}

fs::path Scenario::SettingsFile() const { return folder_ / "config" / "telvane" / "Telvane.ini"; }

std::vector<std::string> Scenario::ScriptCommand(const std::string& script,
                                                 const std::vector<std::string>& arguments) {
  WriteFile(folder_ / "test.script", script);
  std::vector<std::string> command{(ProgramFolder() / "telvane-cli").string(), "script"};
  if (quick_) command.push_back("--quick");
  command.push_back((folder_ / "test.script").string());
  if (!arguments.empty()) {
    command.push_back("--");
    command.insert(command.end(), arguments.begin(), arguments.end());
  }
  return command;
}

std::vector<std::string> Scenario::Environment() const {
  return {"XDG_CONFIG_HOME=" + (folder_ / "config").string(), "LC_ALL=en_US.UTF-8",
          "LANG=en_US.UTF-8"};
}

ScriptRun Scenario::Run(const std::string& script, const std::vector<std::string>& arguments) {
  return RunProgram(ScriptCommand(script, arguments), Environment(), std::chrono::minutes(2));
}

std::vector<std::string> Scenario::Received() const {
  std::vector<std::string> commands;
  for (const std::string& line : Lines(transcript_)) {
    if (line.rfind("> ", 0) == 0) commands.push_back(line.substr(2));
  }
  return commands;
}

std::vector<std::string> Scenario::ReceivedFrom(const std::string& command) const {
  std::vector<std::string> all = Received();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == command)
      return std::vector<std::string>(all.begin() + static_cast<long>(i), all.end());
  }
  return {};
}

void Scenario::ClearTranscript() { WriteFile(transcript_, ""); }

std::string Scenario::StoppedState() {
  sim_->Signal(SIGTERM);
  sim_->Wait();
  return ReadFile(folder_ / "state.json");
}

}  // namespace telvane::testing
