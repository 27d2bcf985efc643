#include "sms/windows/sms_view_dialog.h"

#include "sms/windows/sms_list_ids.h"
#include "ui/resources.h"

namespace telvane::sms {

using namespace list_ids;

void SmsViewDialog::OnInit(ui::Dialog& dialog) {
  dialog.SetText(kViewText, row_.cells[kColText]);
  const std::string& name = row_.cells[kColName];
  dialog.SetText(kViewSender, name.empty() ? row_.cells[kColNumber] : name);
  if (!row_.cells[kColDate].empty()) dialog.SetText(kViewDate, row_.cells[kColDate]);
  const std::string& status = row_.cells[kColStatus];
  if (status.size() == 1 && status[0] >= '0' && status[0] <= '3') {
    dialog.SetText(kViewStatus,
                   ui_.Res().String(kStrFirstStatus + (status[0] - '0'), ui_.LanguageId()));
  }
}

void SmsViewDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdOk || commandId == ui::kIdCancel) dialog.End(commandId);
}

}  // namespace telvane::sms
