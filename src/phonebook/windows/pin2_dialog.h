// The PIN2 dialog (template 137): one hidden digits-only field, OK ends with 1, Cancel 0.
#pragma once

#include <string>

#include "ui/dialog.h"

namespace telvane::phonebook {

class Pin2Dialog : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 137;

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnClose(ui::Dialog& dialog) override { dialog.End(0); }

  // The digits entered, at most 19.
  const std::string& Entered() const { return entered_; }

 private:
  std::string entered_;
};

}  // namespace telvane::phonebook
