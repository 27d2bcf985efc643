// Another program run by a test: standard input from /dev/null, standard output and error
// captured, every wait bounded so a hung program fails the test instead of hanging it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace telvane::testing {

// Generous bound for anything a program should do promptly; tests never rely on it
// passing quickly, only on it being reached when the program is broken.
inline constexpr std::chrono::seconds kPatience{20};

class ChildProcess {
 public:
  // Starts arguments[0] (looked up on PATH when it has no slash); `environment` holds
  // "NAME=value" entries put before the test's own environment.
  explicit ChildProcess(std::vector<std::string> arguments,
                        const std::vector<std::string>& environment = {});
  ~ChildProcess();  // a program still running is killed
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // The next line of standard output, without its newline.
  std::optional<std::string> ReadLine(std::chrono::milliseconds limit = kPatience);
  void Signal(int signal);
  // Waits for the exit (killed past `limit`) and collects the rest of the output;
  // the exit status, or 128 + the signal that ended it.
  int Wait(std::chrono::milliseconds limit = kPatience);

  const std::string& Stdout() const { return stdout_; }
  const std::string& Stderr() const { return stderr_; }

 private:
  // Reads what either pipe holds within `waitMs`; false once both are at end of file.
  bool ReadSome(int waitMs);

  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  std::string stdout_;
  std::string stderr_;
  std::optional<int> status_;
};

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs a program to its end (killed past `limit`).
ProgramRun RunProgram(std::vector<std::string> arguments,
                      const std::vector<std::string>& environment = {},
                      std::chrono::milliseconds limit = kPatience);

}  // namespace telvane::testing
