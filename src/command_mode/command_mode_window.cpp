#include "command_mode/command_mode_window.h"

#include <algorithm>

#include "config/locale_info.h"
#include "config/settings.h"
#include "sms/sms_centre.h"
#include "sms/sms_sending.h"
#include "ui/resources.h"

namespace telvane::command_mode {
namespace {

constexpr int kMillisecondsPerSecond = 1000;

std::string_view ActivityText(int languageId, int activity) {
  static constexpr std::string_view kGerman[] = {"Warten",
                                                 "Pr\xFC"
                                                 "fen",
                                                 "Kommando bearbeiten"};
  static constexpr std::string_view kOthers[] = {"Waiting", "Checking", "Processing command"};
  return languageId == config::kLangGerman ? kGerman[activity] : kOthers[activity];
}

}  // namespace

std::filesystem::path CommandModeWindow::SettingsFolder() const {
  return context_.profile.Path().parent_path();
}

void CommandModeWindow::OnInit(ui::Dialog& dialog) {
  dialog_ = &dialog;
  sms::ReadSmsCentre(context_.exchange, context_.run);

  CommandModule::LoadError error{};
  const auto folders = CommandModuleFolders(SettingsFolder());
  CommandModule module = CommandModule::Load(folders, error);
  if (!module.Loaded()) {
    ui::ShowError(ui_, error == CommandModule::LoadError::kNoFunction ? kStrCantFindFunction
                                                                      : kStrCantLoadModule);
    dialog.End(ui::kIdCancel);
    return;
  }
  module_.emplace(std::move(module));

  phonebook::ReadExternalBook(phonebook::ExternalBookBeside(context_.profile.Path()),
                              externalBook_);
  config::Settings& settings = context_.settings;
  if (settings.monProt != 0 && !OpenLog()) settings.monProt = 0;

  context_.run.timedSequenceBusy = false;
  settings.waitSec = std::clamp(settings.waitSec, kMinPeriod, kMaxPeriod);
  dialog.SetRange(kPeriodUpDown, kMinPeriod, kMaxPeriod);
  dialog.SetPos(kPeriodUpDown, settings.waitSec);
  dialog.SetChecked(kWriteLog, settings.monProt != 0);
  dialog.SetChecked(kCheckSms, settings.checkSms != 0);
  if (startAtOnce_) Start();
}

bool CommandModeWindow::OpenLog() {
  if (log_.Open(SettingsFolder() / network::kProtocolLogName, {})) return true;
  ui::ShowError(ui_, kStrCantOpenLog);
  return false;
}

void CommandModeWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kStart: Start(); break;
    case kStop: Stop(); break;
    case kWriteLog:
      if (dialog.IsChecked(kWriteLog)) {
        const bool opened = OpenLog();
        context_.settings.monProt = opened ? 1 : 0;
        if (!opened) dialog.SetChecked(kWriteLog, false);
      } else {
        context_.settings.monProt = 0;
        log_.Close();
      }
      break;
    case kCheckSms: context_.settings.checkSms = dialog.IsChecked(kCheckSms) ? 1 : 0; break;
    default: break;
  }
}

void CommandModeWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind != ui::EventKind::Changed || event.controlId != kPeriodUpDown) return;
  context_.settings.waitSec = std::max(kMinPeriod, dialog.Pos(kPeriodUpDown));
  if (polling_) dialog.SetTimer(kPollTimer, context_.settings.waitSec * kMillisecondsPerSecond);
}

void CommandModeWindow::Start() {
  polling_ = true;
  dialog_->SetTimer(kPollTimer, context_.settings.waitSec * kMillisecondsPerSecond);
  ShowActivity(Activity::kWaiting);
}

void CommandModeWindow::Stop() {
  polling_ = false;
  dialog_->KillTimer(kPollTimer);
  dialog_->SetText(kActivity, "");
  dialog_->SetText(kStatus, "");
}

void CommandModeWindow::OnTimer(ui::Dialog&, int timerId) {
  if (timerId != kPollTimer) return;
  if (!context_.run.timedSequenceBusy) Poll();
  ShowActivity(Activity::kWaiting);
}

void CommandModeWindow::Poll() {
  const config::TimedSequenceScope busy(context_.run);
  dialog_->SetText(kStatus, "");
  if (context_.settings.checkSms == 0) {
    PollModuleOnly();
  } else {
    PollMessages();
  }
}

void CommandModeWindow::PollModuleOnly() {
  ShowActivity(Activity::kChecking);
  const ModuleAnswer answer = module_->Call({}, {});
  ShowStatus(answer);
  if (answer.result == 0 && !answer.replyNumber.empty()) {
    ShowActivity(Activity::kProcessing);
    if (!SendReply(answer)) {
      LogReplyFailed(answer);
      return;
    }
  }
  LogResult(answer);
}

void CommandModeWindow::PollMessages() {
  if (!context_.exchange.SendCommand("AT+CMGL=4")) {
    if (log_.IsOpen()) {
      log_.Write(network::LocalLogTimeNow() + " " +
                 ui_.Res().String(kStrCantReadList, ui_.LanguageId()) + "\n");
    }
    return;
  }
  ShowActivity(Activity::kChecking);
  // Decoded before the first reply or delete overwrites the answer.
  const std::vector<sms::ListedMessage> messages =
      sms::ParseMessageListing(context_.exchange.Answer(), context_.settings.swapD != 0);
  for (const sms::ListedMessage& message : messages) {
    dialog_->SetText(kStatus, "");
    if (message.Received() && !unanswered_.contains(message.index)) HandleMessage(message);
  }
  context_.run.smsMessageCount = static_cast<int>(messages.size());
}

void CommandModeWindow::HandleMessage(const sms::ListedMessage& message) {
  LogMessage(message);
  ShowActivity(Activity::kProcessing);
  const ModuleAnswer answer = module_->Call(message.sender, message.text);
  ShowStatus(answer);
  if (answer.result == 0 && !answer.replyNumber.empty() && !SendReply(answer)) {
    // The request stays on the phone, unanswered; the module does not see it again.
    LogReplyFailed(answer);
    unanswered_.insert(message.index);
    return;
  }
  LogResult(answer);
  if (answer.result != 0) return;
  context_.exchange.SendCommand("AT+CMGD=" + std::to_string(message.index));
}

bool CommandModeWindow::SendReply(const ModuleAnswer& answer) {
  sms::SendRequest request;
  request.text = answer.text;
  request.recipient = answer.replyNumber;
  sms::SilentSendFeedback feedback;
  const sms::SendResult sent =
      sms::SendSms(context_.exchange, sms::SendSettingsFrom(context_.settings, context_.run),
                   request, sms::SendMode::kCommandMode, feedback);
  return !sent.badRecipient && !sent.badCentre && sent.partsSent >= sent.partCount;
}

void CommandModeWindow::ShowActivity(Activity activity) {
  dialog_->SetText(kActivity, ActivityText(ui_.LanguageId(), static_cast<int>(activity)));
}

void CommandModeWindow::ShowStatus(const ModuleAnswer& answer) {
  if (answer.statusText) dialog_->SetText(kStatus, *answer.statusText);
}

void CommandModeWindow::LogMessage(const sms::ListedMessage& message) {
  if (!log_.IsOpen()) return;
  std::string line = network::LocalLogTimeNow() + ";" + network::LogField(message.sender) + ";";
  if (const auto name = sms::NameOfSender(externalBook_, message.sender, message.addressType)) {
    line += network::LogField(*name) + ";";
  }
  line += message.timestamp + ";" + network::LogField(message.text) + "\n";
  log_.Write(line);
}

void CommandModeWindow::LogResult(const ModuleAnswer& answer) {
  if (!log_.IsOpen()) return;
  log_.Write(network::LocalLogTimeNow() + ";" + std::to_string(answer.result) + ";" +
             network::LogField(answer.replyNumber) + ";" + network::LogField(answer.text) + "\n");
}

// The result line with "reply failed" in place of the module's result.
void CommandModeWindow::LogReplyFailed(const ModuleAnswer& answer) {
  if (!log_.IsOpen()) return;
  log_.Write(network::LocalLogTimeNow() + ";reply failed;" + network::LogField(answer.replyNumber) +
             ";" + network::LogField(answer.text) + "\n");
}

void CommandModeWindow::OnClose(ui::Dialog& dialog) {
  dialog.KillTimer(kPollTimer);
  config::Settings& settings = context_.settings;
  settings.waitSec = std::max(kMinPeriod, dialog.Pos(kPeriodUpDown));
  config::WriteIntKey(context_.profile, "WaitSec", settings.waitSec);
  config::WriteIntKey(context_.profile, "MonProt", settings.monProt);
  config::WriteIntKey(context_.profile, "CheckSMS", settings.checkSms);
  log_.Close();
  module_.reset();
  dialog.End(ui::kIdCancel);
}

}  // namespace telvane::command_mode
