// The reply dialog (template 122, "Send SMS reply"): a new message, a reply to a row of the
// SMS list, a stored message sent again, or a text handed over by another window. The
// recipient is typed as a number or chosen by name from the external book.
#pragma once

#include "config/app_context.h"
#include "phonebook/external_book.h"
#include "sms/windows/compose_form.h"
#include "sms/windows/sms_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class ReplyDialog : public ui::DialogHandler {
 public:
  ReplyDialog(config::AppContext& context, ui::Ui& ui, const ReplySource& source,
              phonebook::ExternalBookTable& externalBook, const StoredRowSink& stored);

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

 private:
  void FillNames(ui::Dialog& dialog);
  // OK: false when the dialog stays open for another recipient.
  bool Send(ui::Dialog& dialog);

  config::AppContext& context_;
  ui::Ui& ui_;
  const ReplySource& source_;
  phonebook::ExternalBookTable& externalBook_;
  const StoredRowSink& stored_;
  ComposeForm form_;
};

}  // namespace telvane::sms
