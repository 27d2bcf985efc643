// The predefined texts window (template 143, menu 144): the fifty texts in a list whose
// first cells are edited in place, saved to the settings, and stored on the phone as
// unsent messages.
#pragma once

#include "config/app_context.h"
#include "sms/windows/sms_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class PredefinedTextsWindow : public ui::DialogHandler {
 public:
  PredefinedTextsWindow(config::AppContext& context, ui::Ui& ui, const StoredRowSink& stored)
      : context_(context), ui_(ui), stored_(stored) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnClose(ui::Dialog& dialog) override;

 private:
  int ChosenRow(const ui::Dialog& dialog) const;
  void DeleteChosenText(ui::Dialog& dialog);
  void SaveTexts(ui::Dialog& dialog);
  void StoreChosenText(ui::Dialog& dialog);

  config::AppContext& context_;
  ui::Ui& ui_;
  const StoredRowSink& stored_;
};

}  // namespace telvane::sms
