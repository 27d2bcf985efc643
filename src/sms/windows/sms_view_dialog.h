// The View SMS dialog (template 126): one row's text, sender, date and status.
#pragma once

#include "sms/sms_list.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class SmsViewDialog : public ui::DialogHandler {
 public:
  SmsViewDialog(ui::Ui& ui, SmsListRow row) : ui_(ui), row_(std::move(row)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;

 private:
  ui::Ui& ui_;
  SmsListRow row_;
};

}  // namespace telvane::sms
