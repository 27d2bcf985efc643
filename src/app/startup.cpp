#include "app/startup.h"

#include <filesystem>
#include <system_error>
#include <thread>

#include "app/app_messages.h"
#include "app/phone_port.h"
#include "base/replacing_file.h"
#include "config/app_context.h"
#include "config/command_line.h"
#include "config/locale_info.h"
#include "config/settings.h"
#include "phonebook/external_book.h"

namespace telvane::app {
namespace {

enum class LinkOutcome { Ready, NoPhone };

// Resets the phone and switches its echo off. With "NoModem" on the serial link the
// phone lacks these commands and nothing is sent.
LinkOutcome ResetPhone(config::AppContext& context, StartupUi& ui, bool sendReset) {
  if (!sendReset) return LinkOutcome::Ready;
  if (!context.exchange.SendCommand("ATZ")) {
    ui.ShowError(kStrNoDeviceFound);
    return LinkOutcome::NoPhone;
  }
  context.exchange.SendCommand("ATE0");
  return LinkOutcome::Ready;
}

// The message for a serial device that would not open: what to do about it where the
// user can do something, else the plain "Can't open COM port".
int OpenFailureMessage(link::SerialFailure failure) {
  switch (failure) {
    case link::SerialFailure::kNotPermitted: return kStrPortNotPermitted;
    case link::SerialFailure::kMissing: return kStrPortMissing;
    default: return kStrCantOpenComPort;
  }
}

LinkOutcome OpenLink(config::AppContext& context, StartupUi& ui, const StartupOptions& options) {
  config::Settings& settings = context.settings;
  if (context.link.IrdaOffered() && settings.w2kCable == 0) {
    if (context.link.FindIrdaPhone() && context.link.ConnectIrdaPhone()) {
      return ResetPhone(context, ui, true);
    }
  }
  // A port number outside COM1..COM10 is no choice at all: ask for one.
  if (settings.port < 0 || settings.port >= config::kPortCount) settings.port = config::kNoPort;
  while (settings.port == config::kNoPort) {
    if (ui.RunOptionsDialog(context) == OptionsOutcome::Quit) return LinkOutcome::NoPhone;
  }
  std::string problem;
  if (!OpenPhonePort(context, settings.port, options.portSettle, problem)) {
    ui.Diagnostic(config::PortName(settings.port) + " " + problem);
    ui.ShowError(OpenFailureMessage(context.link.LastFailure()));
    return LinkOutcome::Ready;  // the main window opens; its exchanges fail
  }
  std::this_thread::sleep_for(options.waitAfterOpen);
  return ResetPhone(context, ui, settings.noModem == 0);
}

// A run killed while it wrote a file may have left the new file beside the old one: in
// the settings folder (settings, external book) and in the working folder.
void CleanLeftovers(const std::filesystem::path& settingsFile) {
  const std::filesystem::path folder = settingsFile.parent_path();
  base::CleanLeftovers(folder);
  std::error_code ignored;
  std::filesystem::remove(folder / phonebook::kExternalBookTemporaryName, ignored);
  base::CleanLeftovers(std::filesystem::current_path(ignored));
}

}  // namespace

int RunStartup(StartupUi& ui, StartupOptions options) {
  if (!options.irda) options.irda = link::MakeSystemIrdaProvider();
  config::AppContext context(
      std::move(options.profile), std::move(options.irda),
      [&ui](int stringId) { ui.ShowError(stringId); }, options.timing);
  context.exchange.SetWaiter(std::move(options.waiter));
  CleanLeftovers(context.profile.Path());

  config::ReadSingleKeys(context.profile, context.settings);
  context.switches = config::ScanCommandLine(config::JoinArguments(options.arguments));
  if (context.switches.askPort)
    context.settings.port = config::kNoPort;  // the file keeps its value

  if (OpenLink(context, ui, options) == LinkOutcome::Ready) {
    context.run = config::RunState{};
    config::ReadKeyFamilies(context.profile, context.settings);
    context.languageId = config::LanguageIdFromEnvironment();
    context.helpFile = config::HelpFileName(context.languageId);
    context.shortDateFormat = config::ShortDateFormatFromEnvironment();
    context.tempFolder = config::TemporaryFolder();
    ui.RunMainWindow(context);
  }
  context.link.CloseLink();
  return 0;
}

}  // namespace telvane::app
