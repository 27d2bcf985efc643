#include "sms/windows/window_send_feedback.h"

#include "sms/windows/compose_ids.h"

namespace telvane::sms {

using namespace compose_ids;

void WindowSendFeedback::ShowProgress(int part, int partCount) {
  if (!box_) box_ = ui_.OpenModeless(ui::SendingBox::kTemplate, boxHandler_);
  if (box_) {
    box_->SetText(ui::SendingBox::kText, std::to_string(part) + " / " + std::to_string(partCount));
  }
  ui_.PumpMessages();
}

void WindowSendFeedback::CloseProgress() { box_.reset(); }

bool WindowSendFeedback::AskRetry() {
  return ui::ShowStringMessage(ui_, kStrNotSent, ui::Caption::TelvaneError,
                               ui::Buttons::RetryCancel, ui::Icon::Stop) == ui::kIdRetry;
}

bool WindowSendFeedback::AskStoreUnsent() {
  return ui::ShowStringMessage(ui_, kStrStoreUnsent, ui::Caption::TelvaneError, ui::Buttons::YesNo,
                               ui::Icon::Question) == ui::kIdYes;
}

void WindowSendFeedback::ReportStored(int index, const std::string& recipient,
                                      const std::string& text) {
  if (stored_) stored_(StoredRow{index, recipient, text});
}

void WindowSendFeedback::ReportFailure(const Outcome& failure) {
  if (failure.messageId != 0) ui::ShowError(ui_, failure.messageId);
}

bool SendFromDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& dialog,
                    const SendRequest& request, SendMode mode, const StoredRowSink& stored) {
  WindowSendFeedback feedback(ui, stored);
  const SendResult result = ui::WithWindowDisabled(dialog, [&] {
    return SendSms(context.exchange, SendSettingsFrom(context.settings, context.run), request, mode,
                   feedback);
  });
  if (result.badRecipient) {
    ui::ShowError(ui, kStrEnterNumber);
    return false;
  }
  if (result.badCentre) ui::ShowError(ui, kStrNotSent);
  return true;
}

}  // namespace telvane::sms
