// Another program run by a test: standard input from /dev/null, standard output and error
// captured, every wait bounded so a hung program fails the test instead of hanging it.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace telvane::testing {

// Generous bound for anything a program should do promptly; tests never rely on it
// passing quickly, only on it being reached when the program is broken.
inline constexpr std::chrono::seconds kPatience{20};

class ChildProcess {
 public:
  // Starts arguments[0] (looked up on PATH when it has no slash); `environment` holds
  // "NAME=value" entries put before the test's own environment.
  explicit ChildProcess(std::vector<std::string> arguments,
                        const std::vector<std::string>& environment = {}) {
    int out[2];
    int err[2];
    if (arguments.empty() || ::pipe2(out, O_CLOEXEC) != 0) return;
    if (::pipe2(err, O_CLOEXEC) != 0) {
      ::close(out[0]);
      ::close(out[1]);
      return;
    }
    out_ = out[0];
    err_ = err[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> entries = environment;
    for (char** entry = environ; *entry != nullptr; ++entry) entries.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : entries) envp.push_back(entry.data());
    envp.push_back(nullptr);
    if (::posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
  }
  ~ChildProcess() {  // a program still running is killed
    if (pid_ > 0 && !status_) {
      ::kill(pid_, SIGKILL);
      Wait();
    }
    if (out_ >= 0) ::close(out_);
    if (err_ >= 0) ::close(err_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // The next line of standard output, without its newline.
  std::optional<std::string> ReadLine(std::chrono::milliseconds limit = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
      if (const auto end = stdout_.find('\n'); end != std::string::npos) {
        std::string line = stdout_.substr(0, end);
        stdout_.erase(0, end + 1);
        return line;
      }
      if (out_ < 0 || std::chrono::steady_clock::now() > deadline || !ReadSome(50))
        return std::nullopt;
    }
  }
  void Signal(int signal) {
    if (pid_ > 0 && !status_) ::kill(pid_, signal);
  }
  // Waits for the exit (killed past `limit`) and collects the rest of the output;
  // the exit status, or 128 + the signal that ended it.
  int Wait(std::chrono::milliseconds limit = kPatience) {
    if (status_) return *status_;
    if (pid_ <= 0) return *(status_ = -1);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int raw = 0;
    while (::waitpid(pid_, &raw, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) ::kill(pid_, SIGKILL);
      ReadSome(50);
    }
    // The rest of the output, unless something the program started still holds the pipes.
    const auto drained = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while ((out_ >= 0 || err_ >= 0) && std::chrono::steady_clock::now() < drained && ReadSome(50)) {
    }
    status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return *status_;
  }

  const std::string& Stdout() const { return stdout_; }
  const std::string& Stderr() const { return stderr_; }

 private:
  // Reads what either pipe holds within `waitMs`; false once both are at end of file.
  bool ReadSome(int waitMs) {
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    std::string* into[2] = {&stdout_, &stderr_};
    if (::poll(fds, 2, waitMs) <= 0) return true;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        into[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        ::close(fds[i].fd);
        (i == 0 ? out_ : err_) = -1;
      }
    }
    return out_ >= 0 || err_ >= 0;
  }

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
inline ProgramRun RunProgram(std::vector<std::string> arguments,
                             const std::vector<std::string>& environment = {},
                             std::chrono::milliseconds limit = kPatience) {
  ChildProcess child(std::move(arguments), environment);
  ProgramRun run;
  run.status = child.Wait(limit);
  run.out = child.Stdout();
  run.err = child.Stderr();
  return run;
}

}  // namespace telvane::testing
