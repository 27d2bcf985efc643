// The call forwarding dialog (template 138): one reason at a time, per class row a number
// and, for "no answer", a delay; four buttons enable, disable, register and erase.
#pragma once

#include "config/app_context.h"
#include "services/call_forwarding.h"
#include "services/windows/services_window_ids.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::services {

class ForwardingDialog : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 138;

  ForwardingDialog(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

 private:
  void ClearRows(ui::Dialog& dialog);
  void Query(ui::Dialog& dialog);
  void ShowRecord(ui::Dialog& dialog, const ForwardingRecord& record);
  void ChangeReason(ui::Dialog& dialog, int reason);
  void Apply(ui::Dialog& dialog, int mode);
  void ApplyRow(ui::Dialog& dialog, const window_ids::ForwardRow& row, int mode);

  config::AppContext& context_;
  ui::Ui& ui_;
  int reason_ = 0;
};

}  // namespace telvane::services
