// The locks dialog (template 139): the facility locks and call barrings, each queried
// when chosen, switched with its password.
#pragma once

#include "config/app_context.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::services {

class LocksDialog : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 139;

  LocksDialog(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnClose(ui::Dialog& dialog) override;

 private:
  void Query(ui::Dialog& dialog);
  void Apply(ui::Dialog& dialog, int mode);

  config::AppContext& context_;
  ui::Ui& ui_;
  int index_ = 0;
};

}  // namespace telvane::services
