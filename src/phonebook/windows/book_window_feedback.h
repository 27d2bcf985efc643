// The phone book window's side of its writes and imports: each failure's message shown
// when it happens ("Telvane Error"), the window manager's messages pumped between the
// blocks of address objects. No progress box.
#pragma once

#include "phonebook/import_storing.h"
#include "ui/ui.h"

namespace telvane::phonebook {

// Shows the outcome's message, if it has one, with caption "Telvane Error".
inline void ShowOutcomeMessage(ui::Ui& ui, const Outcome& outcome) {
  if (outcome.messageId != 0) ui::ShowError(ui, outcome.messageId);
}

class BookWindowFeedback final : public ImportFeedback {
 public:
  explicit BookWindowFeedback(ui::Ui& ui) : ui_(ui) {}
  void ShowProgress(unsigned) override {}
  void Pump() override { ui_.PumpMessages(); }
  void ReportFailure(const Outcome& failure) override { ShowOutcomeMessage(ui_, failure); }

 private:
  ui::Ui& ui_;
};

}  // namespace telvane::phonebook
