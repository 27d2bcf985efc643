// The command mode window (template 150): polls the phone at a fixed period, hands each
// received message (or, without "CheckSMS", an empty request) to the command module and
// sends the module's answer back as a short message.
#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "command_mode/command_module.h"
#include "config/app_context.h"
#include "network/protocol_log.h"
#include "phonebook/external_book.h"
#include "sms/message_listing.h"
#include "sms/sender_lookup.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::command_mode {

class CommandModeWindow : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 150;
  static constexpr int kPollTimer = 100;
  // Controls.
  static constexpr int kPeriodUpDown = 1247, kWriteLog = 1195, kCheckSms = 1241;
  static constexpr int kActivity = 1248, kStatus = 1242, kStart = 1245, kStop = 1246;
  static constexpr int kMinPeriod = 2, kMaxPeriod = 600;
  // Strings.
  static constexpr int kStrCantLoadModule = 96, kStrCantFindFunction = 97;
  static constexpr int kStrCantOpenLog = 68, kStrCantReadList = 78;

  // `startAtOnce`: the program was started with "-c", so polling starts when the window opens.
  CommandModeWindow(config::AppContext& context, ui::Ui& ui, bool startAtOnce)
      : context_(context), ui_(ui), startAtOnce_(startAtOnce) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnTimer(ui::Dialog& dialog, int timerId) override;
  void OnClose(ui::Dialog& dialog) override;

 private:
  enum class Activity { kWaiting, kChecking, kProcessing };

  std::filesystem::path SettingsFolder() const;
  bool OpenLog();
  void Start();
  void Stop();
  void Poll();
  void PollModuleOnly();
  void PollMessages();
  void HandleMessage(const sms::ListedMessage& message);
  // True when every part of the reply was sent.
  bool SendReply(const ModuleAnswer& answer);
  void ShowActivity(Activity activity);
  void ShowStatus(const ModuleAnswer& answer);
  void LogMessage(const sms::ListedMessage& message);
  void LogResult(const ModuleAnswer& answer);
  void LogReplyFailed(const ModuleAnswer& answer);

  config::AppContext& context_;
  ui::Ui& ui_;
  bool startAtOnce_;
  ui::Dialog* dialog_ = nullptr;
  std::optional<CommandModule> module_;
  phonebook::ExternalBookTable externalBook_;
  network::ProtocolLog log_;
  // Messages whose reply could not be sent: kept on the phone and not handed to the
  // module again in this run. Bounded by the phone's message memory.
  std::set<int> unanswered_;
  bool polling_ = false;
};

}  // namespace telvane::command_mode
