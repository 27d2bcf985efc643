#include "app/main_window.h"

#include <cstdio>
#include <ctime>

#include "app/about_box.h"
#include "app/main_window_ids.h"
#include "app/options_dialog.h"
#include "app/phone_status.h"
#include "command_mode/command_mode_window.h"
#include "link/answer_reader.h"
#include "network/windows/net_info_window.h"
#include "network/windows/net_monitor_window.h"
#include "objects/windows/logo_transfer.h"
#include "objects/windows/ring_tone_transfer.h"
#include "organizer/windows/organizer_windows.h"
#include "phonebook/windows/number_transfer.h"
#include "phonebook/windows/phonebook_window.h"
#include "services/windows/forwarding_dialog.h"
#include "services/windows/locks_dialog.h"
#include "services/windows/profile_window.h"
#include "services/windows/vibrator_switch.h"
#include "sms/windows/sms_windows.h"
#include "ui/resources.h"
#include "ui/window_kit.h"

namespace telvane::app {

using namespace main_ids;

namespace {

constexpr ui::Tooltip kMainTooltips[] = {
    {kPhonebook, 1}, {kOrganizer, 8},   {kNetinfo, 9},         {kNetmonitor, 108},
    {kSendLogo, 2},  {kDeleteLogo, 13}, {kSendTone, 3},        {kSwitchOff, 4},
    {kSyncTime, 10}, {kSmsList, 15},    {kCallForwarding, 55}, {kLocks, 56}};

constexpr int kNoModemControls[] = {kOrganizer, kSendLogo, kDeleteLogo,
                                    kSendTone,  kSyncTime, kTest};

}  // namespace

std::string MainWindow::Value(std::string_view prefix) const {
  return link::InformationValue(context_.exchange.Answer(), prefix);
}

void MainWindow::Report(bool success, int successString, int failureString) {
  if (success) {
    ui::ShowInfo(ui_, successString);
  } else {
    ui::ShowError(ui_, failureString);
  }
}

void MainWindow::OnInit(ui::Dialog& dialog) {
  ui::AddTooltips(dialog, kMainTooltips);
  if (context_.settings.noModem != 0) {
    dialog.EnableMenuItem(kDownloadLogo, false);
    dialog.EnableMenuItem(kDownloadTone, false);
    for (int id : kNoModemControls) dialog.Enable(id, false);
  }
  // Command mode is reached through the "-c" switch; the menu entry stays greyed.
  dialog.EnableMenuItem(kCommandMode, false);

  Send("AT+CMEE=0");
  Send("AT+CSMS=1");
  Send("AT^SBNW=?");
  if (context_.settings.smsStat != 0) Send("AT+CNMI=1,0,0,2");

  ReadIdentity(dialog);
  RefreshStatus(dialog);
  if (Send("AT+CIMI")) dialog.SetText(kImsi, FormatImsi(Value("+CIMI:")));
  if (Send("AT^SCID")) dialog.SetText(kSimSerial, Value("^SCID:"));
  ReadRingToneState(dialog);
  ui::CenterWindow(dialog, ui_.WorkArea());
  if (context_.switches.commandMode) RunCommandMode(dialog, true);
}

void MainWindow::RunSmsList(ui::Dialog& dialog) {
  // A number goes into the books read in this run, the phone book window closed.
  const sms::TransferToPhonebook transfer = [this](ui::Dialog& opener, const std::string& number) {
    return phonebook::TransferNumber(context_, ui_, phonebook_, opener, number);
  };
  sms::RunSmsList(context_, ui_, dialog, transfer);
}

void MainWindow::RunOrganizer(ui::Dialog& dialog) {
  // An entry's text goes to the reply dialog; the organizer keeps no SMS list, so messages
  // stored after a failed send show in the SMS list when it is read.
  const organizer::SendSmsHook sendSms = [this](ui::Dialog& opener, const std::string& text) {
    phonebook::ExternalBookTable externalBook;
    sms::RunReplyDialog(context_, ui_, opener, {sms::ReplyKind::kHandedText, "", text},
                        externalBook, {});
  };
  organizer::RunOrganizer(context_, ui_, dialog, sendSms);
}

void MainWindow::RunCommandMode(ui::Dialog& dialog, bool startAtOnce) {
  command_mode::CommandModeWindow window(context_, ui_, startAtOnce);
  ui_.RunModal(command_mode::CommandModeWindow::kTemplate, window, &dialog);
}

void MainWindow::ReadIdentity(ui::Dialog& dialog) {
  struct Field {
    const char* command;
    std::string_view prefix;
    int id;
  };
  const Field identity[] = {{"AT+CGMI", "+CGMI:", kMaker},
                            {"AT+CGMM", "+CGMM:", kModel},
                            {"AT+CGMR", "+CGMR:", kRevision},
                            {"AT+CGSN", "+CGSN:", kSerial}};
  for (const Field& field : identity) {
    if (Send(field.command)) dialog.SetText(field.id, Value(field.prefix));
  }
}

void MainWindow::ReadRingToneState(ui::Dialog& dialog) {
  if (Send("AT^SRTC=?")) {
    // Two ranges "(low-high)": tone numbers, then volumes. Without them the spinners
    // keep their ranges.
    link::AnswerCursor answer(context_.exchange.Answer());
    answer.SkipTo("^SRTC:");
    const auto tones = answer.Range();
    const auto volumes = tones && answer.SkipPast(',') ? answer.Range() : std::nullopt;
    if (tones && volumes) {
      dialog.SetRange(kVolumeUpDown, volumes->low, volumes->high);
      dialog.SetRange(kToneUpDown, tones->low, tones->high);
      toneRange_ = tones;
      dialog.SetPos(kVolumeUpDown, 0);
      dialog.SetPos(kToneUpDown, 0);
    }
  }
  if (Send("AT^SRTC?")) {
    link::AnswerCursor answer(context_.exchange.Answer());
    if (answer.SkipTo("^SRTC:")) {
      if (const auto tone = answer.Number()) {
        tone_ = *tone;
        dialog.SetPos(kToneUpDown, tone_);
        if (tone_ == 0) dialog.SetChecked(kToneOff, true);
      }
      if (answer.SkipPast(',')) {
        if (const auto volume = answer.Number()) dialog.SetPos(kVolumeUpDown, *volume);
      }
    }
  }
  if (Send("AT^SNFS?")) {
    if (const auto state = link::NumberAfter(context_.exchange.Answer(), "^SNFS:")) {
      dialog.SetChecked(kHandsfree, *state != 0);
    }
  }
  if (Send("AT^SNFV?")) {
    handsfreeVolume_ = link::NumberAfter(context_.exchange.Answer(), "^SNFV:").value_or(0);
  }
  if (Send("AT+CVIB?")) {
    if (const auto state = link::NumberAfter(context_.exchange.Answer(), "+CVIB:")) {
      dialog.SetChecked(kVibrator, *state != 0);
    }
  }
}

void MainWindow::RefreshStatus(ui::Dialog& dialog) {
  if (Send("AT+CBC")) {
    const std::string status = Value("+CBC:");  // "<state>,<charge>"
    link::AnswerCursor battery(status);
    if (battery.SkipPast(',')) {
      dialog.SetText(kBattery, std::string(battery.Rest()) + "%");
      dialog.SetBitmap(kBatteryBitmap, BatteryBitmap(battery.Number().value_or(0)));
    }
  }
  Send("AT+CREG=2");
  if (Send("AT+CREG?")) dialog.SetText(kNet, Value("+CREG:"));
  if (Send("AT+CSQ")) {
    const std::string signal = Value("+CSQ:");  // "<quality>,<error rate>"
    if (const auto quality = link::AnswerCursor(signal).Number()) {
      dialog.SetText(kReception, ReceptionText(*quality, context_.languageId));
      dialog.SetBitmap(kReceptionBitmap, ReceptionBitmap(*quality));
    }
  }
  if (Send("AT+COPS?")) {
    if (const auto name = OperatorText(context_.exchange.Answer()))
      dialog.SetText(kOperator, *name);
  }
  dialog.SetText(kUnread, "");
  if (Send("AT^SMGL=0")) {
    const int unread = link::CountOccurrences(context_.exchange.Answer(), "^SMGL:");
    if (unread > 0) {
      dialog.SetText(kUnread, ui_.Res().String(kStrUnreadMessage, context_.languageId) + " " +
                                  std::to_string(unread));
    }
  }
}

void MainWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kRefresh: Refresh(dialog); break;
    case kTest: TestTone(dialog); break;
    case kToneOff: SwitchToneOff(dialog); break;
    case kHandsfree: SwitchHandsfree(dialog); break;
    case kVibrator: services::SwitchVibrator(context_.exchange, ui_, dialog, kVibrator); break;
    case kSyncTime: SynchroniseClock(); break;
    case kSwitchOff: SwitchOff(dialog); break;
    case kSendLogo: {
      auto session = Transfer(dialog);
      objects::SendLogo(session, logoIndex_);
      break;
    }
    case kDeleteLogo: objects::DeleteLogo(context_.exchange); break;
    case kSendTone: SendTone(dialog); break;
    case kDownloadLogo: {
      auto session = Transfer(dialog);
      objects::DownloadLogo(session);
      break;
    }
    case kDownloadTone: {
      auto session = Transfer(dialog);
      objects::DownloadRingTone(session);
      break;
    }
    case kPhonebook: {
      phonebook::PhonebookWindow window(context_, ui_, phonebook_);
      window.SetSendSmsHook(
          [this](ui::Dialog& opener, std::vector<phonebook::SmsRecipient> recipients, bool group) {
            std::vector<sms::Recipient> members;
            for (phonebook::SmsRecipient& recipient : recipients) {
              members.push_back({std::move(recipient.name), std::move(recipient.number)});
            }
            // The phone book keeps no SMS list: messages stored after a failed send stay on
            // the phone and show in the SMS list when it is read.
            sms::RunSendDialog(context_, ui_, opener, std::move(members), group, {});
          });
      ui_.RunModal(phonebook::PhonebookWindow::kTemplate, window, &dialog);
      break;
    }
    case kSmsList: RunSmsList(dialog); break;
    case kOrganizer: RunOrganizer(dialog); break;
    case kCallForwarding:
    case kLocks:
    case kProfile: RunCallService(dialog, commandId); break;
    case kNetinfo: {
      network::NetInfoWindow window(context_, ui_, [&dialog](const network::Registered& r) {
        if (r.operatorText) dialog.SetText(kOperator, *r.operatorText);
        if (r.registration) dialog.SetText(kNet, *r.registration);
      });
      ui_.RunModal(network::NetInfoWindow::kTemplate, window, &dialog);
      break;
    }
    case kNetmonitor: {
      network::NetMonitorWindow monitor(context_, ui_);
      ui_.RunModal(network::NetMonitorWindow::kTemplate, monitor, &dialog);
      RefreshStatus(dialog);
      break;
    }
    case kSaveMobileInfo: SaveMobileInfo(dialog); break;
    case kCommandMode: RunCommandMode(dialog, false); break;
    case kOptions: {
      OptionsDialog options(context_, ui_);
      ui_.RunModal(OptionsDialog::kTemplate, options, &dialog);
      break;
    }
    case kInfo: {
      AboutBox about(ui_);
      ui_.RunModal(AboutBox::kTemplate, about, nullptr);
      break;
    }
    case kExit: dialog.End(ui::kIdOk); break;
    default: break;
  }
}

void MainWindow::OnEvent(ui::Dialog&, const ui::ControlEvent&) {}

void MainWindow::Refresh(ui::Dialog& dialog) {
  ui::WithWindowDisabled(dialog, [&] { RefreshStatus(dialog); });
  dialog.SetFocus(kRefresh);
}

objects::TransferSession MainWindow::Transfer(ui::Dialog& dialog) {
  return {context_.exchange, ui_, dialog, context_.tempFolder};
}

void MainWindow::SendTone(ui::Dialog& dialog) {
  auto session = Transfer(dialog);
  if (!objects::SendTone(session, toneIndex_) || !toneRange_) return;
  // A sent tone becomes one more choice of the tone up-down.
  const int raised = objects::RaisedToneMaximum(toneRange_->high);
  if (raised != toneRange_->high) {
    toneRange_->high = raised;
    dialog.SetRange(kToneUpDown, toneRange_->low, toneRange_->high);
  }
}

void MainWindow::TestTone(ui::Dialog& dialog) {
  const int volume = dialog.Pos(kVolumeUpDown);
  const int tone = dialog.Pos(kToneUpDown);
  if (!tonePlaying_) {
    if (Send("AT^SRTC=" + std::to_string(tone) + "," + std::to_string(volume))) {
      tone_ = tone;
      dialog.SetText(kTest, "Stop");
      Send("AT^SRTC");
      tonePlaying_ = true;
    }
  } else {
    dialog.SetText(kTest, "Test");
    Send("AT^SRTC");
    tonePlaying_ = false;
  }
}

void MainWindow::SwitchToneOff(ui::Dialog& dialog) {
  if (dialog.IsChecked(kToneOff)) {
    const bool done = Send("AT^SRTC=0");
    Report(done, kStrToneDeactivated, kStrCantDeactivateTone);
    if (!done) dialog.SetChecked(kToneOff, false);
  } else {
    Report(Send("AT^SRTC=" + std::to_string(tone_)), kStrToneActivated, kStrCantActivateTone);
  }
}

void MainWindow::SwitchHandsfree(ui::Dialog& dialog) {
  Send("AT^SNFV=0");
  if (dialog.IsChecked(kHandsfree)) {
    const bool done = Send("AT^SNFS=1");
    Report(done, kStrHandsfreeOn, kStrCantHandsfreeOn);
    if (!done) dialog.SetChecked(kHandsfree, false);
  } else {
    Report(Send("AT^SNFS=0"), kStrHandsfreeOff, kStrCantHandsfreeOff);
  }
  Send("AT^SNFV=" + std::to_string(handsfreeVolume_));
}

void MainWindow::RunCallService(ui::Dialog& dialog, int button) {
  if (button == kCallForwarding) {
    services::ForwardingDialog window(context_, ui_);
    ui_.RunModal(services::ForwardingDialog::kTemplate, window, &dialog);
  } else if (button == kLocks) {
    services::LocksDialog window(context_, ui_);
    ui_.RunModal(services::LocksDialog::kTemplate, window, &dialog);
  } else {
    services::ProfileWindow window(context_, ui_);
    ui_.RunModal(services::ProfileWindow::kTemplate, window, &dialog);
    RefreshStatus(dialog);
  }
}

void MainWindow::SynchroniseClock() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  Report(Send(ClockCommand(local)), kStrTimeSynchronized, kStrTimeSettingError);
}

void MainWindow::SwitchOff(ui::Dialog& dialog) {
  if (Send("AT^SMSO")) ui::ShowInfo(ui_, kStrBye);
  dialog.End(ui::kIdOk);
}

void MainWindow::SaveMobileInfo(ui::Dialog& dialog) {
  ui::FileRequest request;
  request.save = true;
  request.filters = {{"CSV file (*.csv)", "*.csv"}};
  request.defaultExtension = "csv";
  request.initialName = "TelvaneINF.csv";
  const auto choice = ui_.ChooseFile(request);
  if (!choice) return;
  if (!AppendMobileInfo(choice->path, dialog.Text(kSerial), dialog.Text(kRevision),
                        dialog.Text(kSimSerial))) {
    ui::ShowError(ui_, kStrCantOpenExportFile);
    return;
  }
  ui_.OpenWithShell(choice->path);
}

void MainWindow::OnHelp(ui::Dialog&) { ui::OpenHelpOrComplain(ui_, context_.helpFile); }

void MainWindow::OnClose(ui::Dialog& dialog) {
  if (context_.settings.smsStat != 0) Send("AT+CNMI=1,0,0,0");
  dialog.End(ui::kIdCancel);
}

}  // namespace telvane::app
