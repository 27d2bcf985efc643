// The send dialog (template 107, "Send SMS-message"): a message to one phone book entry,
// or in group mode to each member of a group in turn.
#pragma once

#include <vector>

#include "config/app_context.h"
#include "sms/windows/compose_form.h"
#include "sms/windows/sms_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class SendDialog : public ui::DialogHandler {
 public:
  SendDialog(config::AppContext& context, ui::Ui& ui, std::vector<Recipient> recipients,
             bool groupMode, const StoredRowSink& stored);

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

 private:
  // Sends the text to the number field; false when the recipient could not be written.
  bool SendToNumberField(ui::Dialog& dialog);
  void SendToGroup(ui::Dialog& dialog);

  config::AppContext& context_;
  ui::Ui& ui_;
  std::vector<Recipient> recipients_;
  bool groupMode_;
  const StoredRowSink& stored_;
  ComposeForm form_;
};

}  // namespace telvane::sms
