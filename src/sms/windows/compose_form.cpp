#include "sms/windows/compose_form.h"

#include "sms/compose_text.h"
#include "sms/message_parts.h"

namespace telvane::sms {

namespace {

constexpr int kShortestValidity = 1;
constexpr int kLongestValidity = 4;  // days; also where the up-down starts

}  // namespace

void ComposeForm::Init(ui::Dialog& dialog) {
  partLength_ = SmsPartLength(false);
  dialog.SetTextLimit(ids_.text, static_cast<int>(kMessageTextLimit));
  dialog.SetRange(ids_.validity, kShortestValidity, kLongestValidity);
  dialog.SetPos(ids_.validity, kLongestValidity);
  ShowCounters(dialog);
}

void ComposeForm::TextChanged(ui::Dialog& dialog) {
  if (changingText_) return;
  const std::optional<std::string> expanded =
      ExpandPredefinedShortcut(dialog.Text(ids_.text), settings_.ptxt);
  if (expanded) {
    SetMessage(dialog, *expanded);
  } else {
    ShowCounters(dialog);
  }
}

void ComposeForm::Command(ui::Dialog& dialog, int commandId) {
  if (commandId != ids_.eightBit) return;
  partLength_ = SmsPartLength(dialog.IsChecked(ids_.eightBit));
  ShowCounters(dialog);
}

void ComposeForm::SetMessage(ui::Dialog& dialog, std::string_view text) {
  changingText_ = true;
  dialog.SetText(ids_.text, text.substr(0, kMessageTextLimit));
  changingText_ = false;
  ShowCounters(dialog);
}

void ComposeForm::ShowCounters(ui::Dialog& dialog) {
  const MessageCounters counters = CountMessage(dialog.Text(ids_.text).size(), partLength_);
  dialog.SetText(ids_.characters, std::to_string(counters.characters));
  dialog.SetText(ids_.left, std::to_string(counters.left));
  dialog.SetText(ids_.parts, std::to_string(counters.parts));
}

SendRequest ComposeForm::Request(const ui::Dialog& dialog, std::string recipient) const {
  SendRequest request;
  request.text = dialog.Text(ids_.text);
  request.recipient = std::move(recipient);
  request.statusReport = dialog.IsChecked(ids_.statusReport);
  request.eightBit = dialog.IsChecked(ids_.eightBit);
  request.flash = dialog.IsChecked(ids_.flash);
  request.validityDays = dialog.Pos(ids_.validity);
  return request;
}

}  // namespace telvane::sms
