#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "pty_client.h"
#include "base/unique_fd.h"

extern char** environ;

namespace telvane::sim::testing {

// A program run with its standard output and error captured through pipes.
class ChildProcess {
 public:
  explicit ChildProcess(std::vector<std::string> args) {
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
      return;
    }
    out_.Reset(out[0]);
    err_.Reset(err[0]);
    base::UniqueFd outWrite(out[1]);
    base::UniqueFd errWrite(err[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outWrite.Get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errWrite.Get(), STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& arg : args) {
      argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
  }

  ~ChildProcess() {
    if (pid_ > 0 && !status_) {
      ::kill(pid_, SIGKILL);
      Wait();
    }
  }

  bool Started() const { return pid_ > 0; }

  // The first line of standard output, without its newline (bounded wait).
  std::optional<std::string> ReadLine() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
      if (const auto end = stdout_.find('\n'); end != std::string::npos) {
        std::string line = stdout_.substr(0, end);
        stdout_.erase(0, end + 1);
        return line;
      }
      if (!ReadSome(out_, stdout_)) {
        break;
      }
    }
    return std::nullopt;
  }

  void Signal(int signal) { ::kill(pid_, signal); }

  // Waits for the exit (bounded; killed after that) and collects the rest of the output.
  int Wait() {
    if (status_) {
      return *status_;
    }
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    int raw = 0;
    while (::waitpid(pid_, &raw, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        ::kill(pid_, SIGKILL);
      }
      ReadSome(out_, stdout_);
      ReadSome(err_, stderr_);
    }
    while (ReadSome(out_, stdout_)) {
    }
    while (ReadSome(err_, stderr_)) {
    }
    status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return *status_;
  }

  const std::string& Stdout() const { return stdout_; }
  const std::string& Stderr() const { return stderr_; }

 private:
  // Reads what is there within 50 ms; false at end of file.
  static bool ReadSome(const base::UniqueFd& fd, std::string& into) {
    pollfd p{fd.Get(), POLLIN, 0};
    if (::poll(&p, 1, 50) <= 0) {
      return true;
    }
    char buffer[4096];
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n <= 0) {
      return false;
    }
    into.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  pid_t pid_ = -1;
  base::UniqueFd out_;
  base::UniqueFd err_;
  std::string stdout_;
  std::string stderr_;
  std::optional<int> status_;
};

}  // namespace telvane::sim::testing
