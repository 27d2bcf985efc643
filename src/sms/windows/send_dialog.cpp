#include "sms/windows/send_dialog.h"

#include "sms/windows/compose_ids.h"
#include "sms/windows/window_send_feedback.h"
#include "ui/window_kit.h"

namespace telvane::sms {

using namespace compose_ids;

SendDialog::SendDialog(config::AppContext& context, ui::Ui& ui, std::vector<Recipient> recipients,
                       bool groupMode, const StoredRowSink& stored)
    : context_(context),
      ui_(ui),
      recipients_(std::move(recipients)),
      groupMode_(groupMode),
      stored_(stored),
      form_(kSendControls, context.settings) {}

void SendDialog::OnInit(ui::Dialog& dialog) {
  form_.Init(dialog);
  if (groupMode_) {
    dialog.Enable(kSendName, false);
    dialog.Enable(kSendControls.number, false);
  } else if (!recipients_.empty()) {
    dialog.SetText(kSendName, recipients_.front().name);
    dialog.SetText(kSendControls.number, recipients_.front().number);
  }
  dialog.SetFocus(kSendControls.text);
}

void SendDialog::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind == ui::EventKind::Changed && event.controlId == kSendControls.text) {
    form_.TextChanged(dialog);
  }
}

void SendDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  form_.Command(dialog, commandId);
  if (commandId == ui::kIdCancel) {
    dialog.End(ui::kIdCancel);
    return;
  }
  if (commandId != ui::kIdOk) return;
  if (groupMode_) {
    SendToGroup(dialog);
  } else if (!SendToNumberField(dialog)) {
    return;  // the user may correct the number
  }
  dialog.End(ui::kIdOk);
}

bool SendDialog::SendToNumberField(ui::Dialog& dialog) {
  return SendFromDialog(context_, ui_, dialog,
                        form_.Request(dialog, dialog.Text(kSendControls.number)),
                        SendMode::kSendDialog, stored_);
}

void SendDialog::SendToGroup(ui::Dialog& dialog) {
  for (const Recipient& member : recipients_) {
    dialog.SetText(kSendName, member.name);
    dialog.SetText(kSendControls.number, member.number);
    SendToNumberField(dialog);  // a member that cannot be reached is reported and passed over
  }
}

}  // namespace telvane::sms
