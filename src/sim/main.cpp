// telvane-sim: serves the simulated phone on a new pseudo-terminal until SIGTERM or SIGINT.
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "base/unique_fd.h"
#include "sim/pty_phone.h"

namespace {

namespace fs = std::filesystem;
using telvane::base::UniqueFd;

// Points `link` at the device; an old symbolic link is replaced, anything else is left alone.
void MakeLink(const fs::path& link, const std::string& device) {
  struct stat info {};
  if (::lstat(link.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
    throw std::runtime_error("refusing to replace " + link.string() +
                             ": it exists and is not a symbolic link");
  }
  fs::path temp = link;
  temp += ".tmp" + std::to_string(::getpid());
  ::unlink(temp.c_str());
  if (::symlink(device.c_str(), temp.c_str()) != 0 || ::rename(temp.c_str(), link.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    ::unlink(temp.c_str());
    throw std::runtime_error("cannot create the link " + link.string() + ": " + reason);
  }
}

// Removes the link only while it still points at our device.
void RemoveLink(const fs::path& link, const std::string& device) {
  std::error_code error;
  if (fs::is_symlink(link, error) && fs::read_symlink(link, error) == device) {
    fs::remove(link, error);
  }
}

UniqueFd TerminationSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGHUP);
  // Blocked before any thread starts, so every thread inherits the mask.
  if (::pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0) {
    throw std::runtime_error("cannot block the termination signals");
  }
  UniqueFd fd(::signalfd(-1, &signals, SFD_CLOEXEC));
  if (!fd.Valid()) {
    throw std::runtime_error(std::string("signalfd: ") + std::strerror(errno));
  }
  return fd;
}

void WaitForTermination(const UniqueFd& signals) {
  signalfd_siginfo info{};
  while (::read(signals.Get(), &info, sizeof info) < 0 && errno == EINTR) {
  }
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Serves a simulated GSM phone on a new pseudo-terminal."};
  std::string stateFile;
  std::string linkPath;
  std::string transcriptFile;
  bool saveOnChange = false;
  int baudRate = 0;
  int latencyMs = 0;
  auto* stateOption =
      app.add_option("--state", stateFile, "phone state JSON file (default: the demo phone)");
  app.add_option("--link", linkPath, "symbolic link to create to the device")->required();
  app.add_option("--transcript", transcriptFile, "append the conversation to this file");
  app.add_flag("--save-on-change", saveOnChange, "write the state file after every change")
      ->needs(stateOption);
  app.add_option("--baud", baudRate, "pace the line at this baud rate (0: no pacing)")
      ->check(CLI::Range(0, 4000000));
  app.add_option("--latency-ms", latencyMs, "delay before each answer")
      ->check(CLI::Range(0, 600000));
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : 1;
  }

  // A reader of our standard output that went away must not end the phone.
  ::signal(SIGPIPE, SIG_IGN);
  try {
    const UniqueFd signals = TerminationSignals();
    telvane::sim::ServeOptions options;
    options.saveOnChange = saveOnChange;
    options.baudRate = baudRate;
    options.latency = std::chrono::milliseconds(latencyMs);
    if (!transcriptFile.empty()) {
      options.transcriptFile = transcriptFile;
    }
    telvane::sim::PhoneState state = telvane::sim::DemoPhone();
    if (!stateFile.empty()) {
      state = telvane::sim::LoadPhoneState(stateFile);
      options.stateFile = stateFile;
    }
    auto phone = telvane::sim::PtyPhone::Start(std::move(state), options);
    const std::string device = phone->DevicePath();
    MakeLink(linkPath, device);
    std::cout << device << std::endl;

    WaitForTermination(signals);
    phone->Stop();
    RemoveLink(linkPath, device);
    if (const auto error = phone->SaveError()) {
      std::cerr << "telvane-sim: " << *error << "\n";
      return 1;
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "telvane-sim: " << error.what() << "\n";
    return 1;
  }
}
