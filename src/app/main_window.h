// The main window (template 101): finishes the phone's set-up, shows its identity and
// status, offers the ring tone and audio switches, the clock, switch-off and the menu.
#pragma once

#include <optional>

#include "config/app_context.h"
#include "link/answer_reader.h"
#include "objects/windows/transfer_session.h"
#include "phonebook/phonebook_store.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::app {

class MainWindow : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 101;

  MainWindow(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnHelp(ui::Dialog& dialog) override;
  void OnClose(ui::Dialog& dialog) override;

  // Battery, registration, reception, operator and the unread count.
  void RefreshStatus(ui::Dialog& dialog);

 private:
  bool Send(std::string_view command) { return context_.exchange.SendCommand(command); }
  // The information value of the last answer, read behind `prefix`.
  std::string Value(std::string_view prefix) const;
  void ReadIdentity(ui::Dialog& dialog);
  void ReadRingToneState(ui::Dialog& dialog);
  void TestTone(ui::Dialog& dialog);
  void SwitchToneOff(ui::Dialog& dialog);
  void SwitchHandsfree(ui::Dialog& dialog);
  void SynchroniseClock();
  void SwitchOff(ui::Dialog& dialog);
  void SaveMobileInfo(ui::Dialog& dialog);
  // Command mode over the main window, which stays disabled while it runs.
  void RunCommandMode(ui::Dialog& dialog, bool startAtOnce);
  // The SMS list, which may hand numbers to the books kept here.
  void RunSmsList(ui::Dialog& dialog);
  void RunOrganizer(ui::Dialog& dialog);
  // Call forwarding, locks or the profile window; the status is read again after the
  // profile window.
  void RunCallService(ui::Dialog& dialog, int button);
  void Refresh(ui::Dialog& dialog);
  void Report(bool success, int successString, int failureString);
  objects::TransferSession Transfer(ui::Dialog& dialog);
  void SendTone(ui::Dialog& dialog);

  config::AppContext& context_;
  ui::Ui& ui_;
  int tone_ = 0;  // last read from the phone, or from the spinner at the last test
  bool tonePlaying_ = false;
  int handsfreeVolume_ = 0;  // read at opening, restored after each handsfree switch
  std::optional<link::NumberRange> toneRange_;  // of the tone up-down, from AT^SRTC=?
  int logoIndex_ = 0;                           // chosen beside the logo preview, kept for the run
  int toneIndex_ = 0;                           // chosen beside the tone preview, kept for the run
  phonebook::PhonebookStore phonebook_;         // the books as last read, kept for the run
};

}  // namespace telvane::app
