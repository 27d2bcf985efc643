// Sending as a window shows it: the sending box (template 146) with "part / parts", the
// Retry/Cancel question (string 34), the store question (string 75) and failures, all
// with the caption "Telvane Error"; stored messages go to the SMS list's sink.
#pragma once

#include <memory>

#include "config/app_context.h"
#include "sms/send_feedback.h"
#include "sms/sms_sending.h"
#include "sms/windows/sms_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"
#include "ui/window_kit.h"

namespace telvane::sms {

class WindowSendFeedback : public SendFeedback {
 public:
  WindowSendFeedback(ui::Ui& ui, const StoredRowSink& stored) : ui_(ui), stored_(stored) {}

  void ShowProgress(int part, int partCount) override;
  void CloseProgress() override;
  bool AskRetry() override;
  bool AskStoreUnsent() override;
  void ReportStored(int index, const std::string& recipient, const std::string& text) override;
  void ReportFailure(const Outcome& failure) override;

 private:
  ui::Ui& ui_;
  const StoredRowSink& stored_;
  ui::SendingBox boxHandler_;
  std::unique_ptr<ui::Dialog> box_;
};

// Sends the request with the dialog disabled and shows what stopped it: "Please enter a
// telephone number" for a recipient that cannot be written (false: the user may correct
// it), "Message(s) could not be send" for a centre that cannot be written.
bool SendFromDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& dialog,
                    const SendRequest& request, SendMode mode, const StoredRowSink& stored);

}  // namespace telvane::sms
