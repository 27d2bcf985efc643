// Everything the program holds for one run, owned in one place and handed to the
// windows explicitly: settings, the link and its exchange, the language and the
// per-run state of the subsystems.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "config/command_line.h"
#include "config/profile_file.h"
#include "config/settings.h"
#include "link/exchange.h"
#include "link/irda_provider.h"
#include "link/phone_link.h"

namespace telvane::config {

// State other subsystems keep for one run; cleared by start-up before the main window.
struct RunState {
  std::optional<std::string> pin2;  // the PIN2 last accepted by the phone
  // The SMS service centre as last read from or set on the phone.
  std::string smsCentreNumber;
  int smsCentreType = 129;
  // Messages in the phone's list as last read (the SMS list, command mode).
  int smsMessageCount = 0;
  // True while a timer's exchange sequence runs (the net monitor's refresh, command mode's
  // poll), so that a timer message never starts a second one.
  bool timedSequenceBusy = false;
  // Cell, area, network and registration of the last net monitor log line (-1 where not
  // read), kept for the rest of the run.
  bool netLogLineWritten = false;
  std::array<int, 4> lastNetLogLine{};
};

// Marks a timer's exchange sequence as running for as long as it lasts, whichever way it
// ends.
class TimedSequenceScope {
 public:
  explicit TimedSequenceScope(RunState& run) : busy_(run.timedSequenceBusy) { busy_ = true; }
  ~TimedSequenceScope() { busy_ = false; }
  TimedSequenceScope(const TimedSequenceScope&) = delete;
  TimedSequenceScope& operator=(const TimedSequenceScope&) = delete;

 private:
  bool& busy_;
};

struct AppContext {
  AppContext(ProfileFile profileFile, std::unique_ptr<link::IrdaProvider> irdaProvider,
             link::ErrorMessage showError, link::ExchangeTiming timing);
  ~AppContext();
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  ProfileFile profile;
  Settings settings;
  CommandLineSwitches switches;
  int languageId = 9;
  std::string helpFile;
  std::string shortDateFormat;
  std::string tempFolder;
  RunState run;

  std::unique_ptr<link::IrdaProvider> irda;
  link::PhoneLink link;
  link::Exchange exchange;
  // The built-in simulated phone, when the chosen port's device is "sim:" or "sim:FILE".
  // Kept only for its lifetime, so this layer needs no simulator type.
  std::shared_ptr<void> embeddedPhone;
};

}  // namespace telvane::config
