#include "phonebook/windows/pin2_dialog.h"

#include "phonebook/fixed_dialling.h"
#include "phonebook/windows/phonebook_window_ids.h"

namespace telvane::phonebook {

void Pin2Dialog::OnInit(ui::Dialog& dialog) {
  entered_.clear();
  dialog.SetTextLimit(window_ids::kPin2, static_cast<int>(kPin2Limit));
  dialog.SetFocus(window_ids::kPin2);
}

void Pin2Dialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdOk) {
    entered_ = dialog.Text(window_ids::kPin2).substr(0, kPin2Limit);
    dialog.End(1);
  } else if (commandId == ui::kIdCancel) {
    dialog.End(0);
  }
}

}  // namespace telvane::phonebook
