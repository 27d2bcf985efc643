#include "app/startup.h"

#include <thread>

#include "app/app_context.h"
#include "app/app_messages.h"
#include "app/command_line.h"
#include "app/locale_info.h"
#include "app/phone_port.h"
#include "app/settings.h"

namespace telvane::app {
namespace {

enum class LinkOutcome { Ready, NoPhone };

// Resets the phone and switches its echo off. With "NoModem" on the serial link the
// phone lacks these commands and nothing is sent.
LinkOutcome ResetPhone(AppContext& context, StartupUi& ui, bool sendReset) {
  if (!sendReset) return LinkOutcome::Ready;
  if (!context.exchange.SendCommand("ATZ")) {
    ui.ShowError(kStrNoDeviceFound);
    return LinkOutcome::NoPhone;
  }
  context.exchange.SendCommand("ATE0");
  return LinkOutcome::Ready;
}

LinkOutcome OpenLink(AppContext& context, StartupUi& ui, const StartupOptions& options) {
  Settings& settings = context.settings;
  if (context.link.IrdaOffered() && settings.w2kCable == 0) {
    if (context.link.FindIrdaPhone() && context.link.ConnectIrdaPhone()) {
      return ResetPhone(context, ui, true);
    }
  }
  // A port number outside COM1..COM10 is no choice at all: ask for one.
  if (settings.port < 0 || settings.port >= kPortCount) settings.port = kNoPort;
  while (settings.port == kNoPort) {
    if (ui.RunOptionsDialog(context) == OptionsOutcome::Quit) return LinkOutcome::NoPhone;
  }
  std::string problem;
  if (!OpenPhonePort(context, settings.port, options.portSettle, problem)) {
    ui.Diagnostic(PortName(settings.port) + " " + problem);
    ui.ShowError(kStrCantOpenComPort);
    return LinkOutcome::Ready;  // the main window opens; its exchanges fail
  }
  std::this_thread::sleep_for(options.waitAfterOpen);
  return ResetPhone(context, ui, settings.noModem == 0);
}

}  // namespace

int RunStartup(StartupUi& ui, StartupOptions options) {
  if (!options.irda) options.irda = link::MakeSystemIrdaProvider();
  AppContext context(std::move(options.profile), std::move(options.irda),
                     [&ui](int stringId) { ui.ShowError(stringId); }, options.timing);
  context.exchange.SetPump(options.pump);

  ReadSingleKeys(context.profile, context.settings);
  context.switches = ScanCommandLine(JoinArguments(options.arguments));
  if (context.switches.askPort) context.settings.port = kNoPort;  // the file keeps its value

  if (OpenLink(context, ui, options) == LinkOutcome::Ready) {
    context.run = RunState{};
    ReadKeyFamilies(context.profile, context.settings);
    context.languageId = LanguageIdFromEnvironment();
    context.helpFile = HelpFileName(context.languageId);
    context.shortDateFormat = ShortDateFormatFromEnvironment();
    context.tempFolder = TemporaryFolder();
    ui.RunMainWindow(context);
  }
  context.link.CloseLink();
  return 0;
}

}  // namespace telvane::app
