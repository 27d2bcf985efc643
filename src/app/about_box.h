// The About box (template 104): version, credits, and addresses that open on a click.
#pragma once

#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::app {

class AboutBox : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 104;
  static constexpr int kWebAddress = 1042, kSecondWebAddress = 1074, kMailAddress = 1043;
  static constexpr int kAboutBitmap = 113;

  explicit AboutBox(ui::Ui& ui) : ui_(ui) {}
  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;

 private:
  ui::Ui& ui_;
};

}  // namespace telvane::app
