#include "sms/windows/reply_dialog.h"

#include "sms/reply_recipient.h"
#include "sms/sms_centre.h"
#include "sms/windows/compose_ids.h"
#include "sms/windows/window_send_feedback.h"
#include "ui/window_kit.h"

namespace telvane::sms {

using namespace compose_ids;

ReplyDialog::ReplyDialog(config::AppContext& context, ui::Ui& ui, const ReplySource& source,
                         phonebook::ExternalBookTable& externalBook, const StoredRowSink& stored)
    : context_(context),
      ui_(ui),
      source_(source),
      externalBook_(externalBook),
      stored_(stored),
      form_(kReplyControls, context.settings) {}

void ReplyDialog::OnInit(ui::Dialog& dialog) {
  form_.Init(dialog);
  ReadSmsCentre(context_.exchange, context_.run);
  // A stored message is sent again with the names the list already holds.
  if (source_.kind != ReplyKind::kSendStored) {
    phonebook::ReadExternalBook(phonebook::ExternalBookBeside(context_.profile.Path()),
                                externalBook_);
  }
  FillNames(dialog);
  switch (source_.kind) {
    case ReplyKind::kReply: dialog.SetText(kReplyControls.number, source_.number); break;
    case ReplyKind::kSendStored:
      dialog.SetText(kReplyControls.number, source_.number);
      form_.SetMessage(dialog, source_.text);
      dialog.Enable(kReplyControls.text, false);
      dialog.Enable(kReplyControls.eightBit, false);
      break;
    case ReplyKind::kHandedText: form_.SetMessage(dialog, source_.text); break;
    case ReplyKind::kNew: break;
  }
}

void ReplyDialog::FillNames(ui::Dialog& dialog) {
  dialog.ClearItems(kReplyControls.number);
  for (const phonebook::PhonebookEntry& entry : externalBook_) {
    if (entry.position == 0) break;
    dialog.AddItem(kReplyControls.number, entry.name);
  }
}

void ReplyDialog::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind == ui::EventKind::Changed && event.controlId == kReplyControls.text) {
    form_.TextChanged(dialog);
  }
}

void ReplyDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  form_.Command(dialog, commandId);
  if (commandId == ui::kIdCancel) dialog.End(ui::kIdCancel);
  if (commandId == ui::kIdOk && Send(dialog)) dialog.End(ui::kIdOk);
}

bool ReplyDialog::Send(ui::Dialog& dialog) {
  const std::optional<std::string> number =
      ResolveReplyRecipient(dialog.Text(kReplyControls.number), externalBook_);
  if (!number) {
    ui::ShowError(ui_, kStrEnterNumber);
    return false;
  }
  return SendFromDialog(context_, ui_, dialog, form_.Request(dialog, *number),
                        SendMode::kReplyDialog, stored_);
}

}  // namespace telvane::sms
