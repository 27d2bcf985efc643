// Peak resident memory of telvane-sim serving a session, and of the program's start-up
// followed by the main window's opening commands, each measured in its own process.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app/startup.h"
#include "config/app_context.h"
#include "config/profile_file.h"
#include "link/exchange.h"
#include "link/phone_link.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kOpeningCommands[] = {
    "AT+CMEE=0", "AT+CSMS=1", "AT^SBNW=?", "AT+CGMI",  "AT+CGMM",  "AT+CGMR",   "AT+CGSN",
    "AT+CBC",    "AT+CREG=2", "AT+CREG?",  "AT+CSQ",   "AT+COPS?", "AT^SMGL=0", "AT+CIMI",
    "AT^SCID",   "AT^SRTC=?", "AT^SRTC?",  "AT^SNFS?", "AT^SNFV?", "AT+CVIB?"};

class HeadlessUi : public telvane::app::StartupUi {
 public:
  int answered = 0;
  void ShowError(int id) override { std::fprintf(stderr, "message %d\n", id); }
  telvane::app::OptionsOutcome RunOptionsDialog(telvane::config::AppContext&) override {
    return telvane::app::OptionsOutcome::Quit;
  }
  void RunMainWindow(telvane::config::AppContext& context) override {
    for (const char* command : kOpeningCommands) answered += context.exchange.SendCommand(command);
  }
};

long PeakKilobytes(pid_t child) {
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) < 0) return -1;
  return usage.ru_maxrss;
}

bool WaitForPath(const fs::path& path) {
  for (int i = 0; i < 500 && !fs::exists(path); ++i) std::this_thread::sleep_for(10ms);
  return fs::exists(path);
}

}  // namespace

int main(int, char** argv) {
  const fs::path bin = fs::canonical("/proc/self/exe").parent_path();
  const fs::path work =
      fs::temp_directory_path() / ("telvane-memory-" + std::to_string(::getpid()));
  fs::create_directories(work);
  const fs::path link = work / "phone";

  const pid_t sim = ::fork();
  if (sim == 0) {
    ::execl((bin / "telvane-sim").c_str(), "telvane-sim", "--link", link.c_str(), "--baud", "57600",
            static_cast<char*>(nullptr));
    std::perror("telvane-sim");
    ::_exit(127);
  }
  if (!WaitForPath(link)) {
    std::fprintf(stderr, "%s: telvane-sim did not start\n", argv[0]);
    return 1;
  }
  telvane::config::ProfileFile profile(work / "Telvane.ini", "Telvane");
  profile.Write("Port", "0");
  profile.Write("Device0", link.string());

  const pid_t program = ::fork();
  if (program == 0) {
    HeadlessUi ui;
    telvane::app::StartupOptions options;
    options.profile = profile;
    telvane::app::RunStartup(ui, std::move(options));
    ::_exit(ui.answered == static_cast<int>(std::size(kOpeningCommands)) ? 0 : 1);
  }
  const long startupPeak = PeakKilobytes(program);
  ::kill(sim, SIGTERM);
  const long simPeak = PeakKilobytes(sim);
  fs::remove_all(work);
  std::printf("peak resident memory, telvane-sim serving start-up and opening: %ld KiB\n", simPeak);
  std::printf("peak resident memory, start-up and the main window's opening commands: %ld KiB\n",
              startupPeak);
  return 0;
}
