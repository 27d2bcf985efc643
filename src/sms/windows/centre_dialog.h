// The service centre dialog (template 153): the ten prefix/centre pairs that route a
// recipient to another service centre.
#pragma once

#include "config/app_context.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class CentreDialog : public ui::DialogHandler {
 public:
  CentreDialog(config::AppContext& context, ui::Ui& ui) : context_(context), ui_(ui) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;

 private:
  config::AppContext& context_;
  ui::Ui& ui_;
};

}  // namespace telvane::sms
