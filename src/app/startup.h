// The program's start-up: settings, command line, the link to the phone, the reset
// with "ATZ" and "ATE0", then the main window until the user exits.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/profile_file.h"
#include "link/exchange.h"
#include "link/irda_provider.h"

namespace telvane::config {
struct AppContext;
}

namespace telvane::app {

enum class OptionsOutcome { Ok, Cancel, Quit };

// What start-up needs from the windows; the dialog layer implements it.
class StartupUi {
 public:
  virtual ~StartupUi() = default;
  // A message box with the caption "Telvane Error" and the string's text.
  virtual void ShowError(int stringId) = 0;
  // The Options dialog; on OK the settings (the port among them) are stored and
  // written. Quit ends start-up (a non-interactive run that cannot answer).
  virtual OptionsOutcome RunOptionsDialog(config::AppContext& context) = 0;
  // The main window, until the user exits.
  virtual void RunMainWindow(config::AppContext& context) = 0;
  // Problems worth a line in a log (a device that would not open and why).
  virtual void Diagnostic(const std::string&) {}
};

struct StartupOptions {
  std::vector<std::string> arguments;  // the command line, without the program name
  config::ProfileFile profile = config::ProfileFile::ForUser();
  std::unique_ptr<link::IrdaProvider> irda;  // default: the system's
  link::ExchangeTiming timing;
  std::chrono::milliseconds portSettle{100};      // after configuring the port
  std::chrono::milliseconds waitAfterOpen{2000};  // before the first command
  link::LinkWaiter waiter;                        // every exchange's wait; default poll()
};

// Runs the program; returns 0 in every case.
int RunStartup(StartupUi& ui, StartupOptions options);

}  // namespace telvane::app
