#include "scenario.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

// Starts a program with standard output and error going to files; returns its pid.
int Spawn(const std::vector<std::string>& arguments, const fs::path& out, const fs::path& err,
          const std::vector<std::string>& extraEnvironment) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> environment = extraEnvironment;
  for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  pid_t pid = -1;
  const int failed = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) throw std::runtime_error("cannot start " + arguments[0]);
  return pid;
}

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
  std::vector<std::string> arguments{(ProgramFolder() / "telvane-sim").string(), "--link", link_.string(),
                                     "--transcript", transcript_.string()};
  if (!stateJson.empty()) {
    WriteFile(folder_ / "state.json", stateJson);
    arguments.insert(arguments.end(), {"--state", (folder_ / "state.json").string()});
  }
  simPid_ = Spawn(arguments, folder_ / "sim.out", folder_ / "sim.err", {});
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::exists(link_)) {
    int status = 0;
    if (::waitpid(simPid_, &status, WNOHANG) == simPid_) {
      simPid_ = -1;
      throw std::runtime_error("telvane-sim ended: " + ReadFile(folder_ / "sim.err"));
    }
    if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("telvane-sim did not start");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  fs::create_directories(folder_ / "config" / "telvane");
  WriteFile(SettingsFile(), "[Telvane]\nPort=0\nDevice0=" + link_.string() + "\n" + settings);
}

Scenario::~Scenario() {
  if (simPid_ > 0) {
    ::kill(simPid_, SIGTERM);
    int status = 0;
    ::waitpid(simPid_, &status, 0);
  }
}

fs::path Scenario::SettingsFile() const { return folder_ / "config" / "telvane" / "Telvane.ini"; }

ScriptRun Scenario::Run(const std::string& script, const std::vector<std::string>& arguments) {
  WriteFile(folder_ / "test.script", script);
  std::vector<std::string> command{(ProgramFolder() / "telvane-cli").string(), "script",
                                   (folder_ / "test.script").string()};
  if (!arguments.empty()) {
    command.push_back("--");
    command.insert(command.end(), arguments.begin(), arguments.end());
  }
  const int pid = Spawn(command, folder_ / "cli.out", folder_ / "cli.err",
                        {"XDG_CONFIG_HOME=" + (folder_ / "config").string(), "LC_ALL=en_US.UTF-8",
                         "LANG=en_US.UTF-8"});
  int status = 0;
  ::waitpid(pid, &status, 0);
  ScriptRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.output = ReadFile(folder_ / "cli.out");
  run.errors = ReadFile(folder_ / "cli.err");
  return run;
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
    if (all[i] == command) return std::vector<std::string>(all.begin() + static_cast<long>(i), all.end());
  }
  return {};
}

void Scenario::ClearTranscript() { WriteFile(transcript_, ""); }

}  // namespace telvane::testing
