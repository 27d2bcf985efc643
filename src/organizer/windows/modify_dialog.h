// The modify dialog (template 142): one row's entry in the entry controls; "OK" keeps the
// values for the window to write into the row's slot.
#pragma once

#include <optional>

#include "organizer/organizer_entry.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::organizer {

class ModifyDialog : public ui::DialogHandler {
 public:
  // `date` and `time` stand in for a row without a readable date or time.
  ModifyDialog(ui::Ui& ui, OrganizerEntry row, ui::Date date, ui::Time time)
      : ui_(ui), row_(std::move(row)), date_(date), time_(time) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

  // The values the dialog ended with "OK" on; none when it was closed.
  const std::optional<EntryValues>& Chosen() const { return chosen_; }

 private:
  ui::Ui& ui_;
  OrganizerEntry row_;
  ui::Date date_;
  ui::Time time_;
  std::optional<EntryValues> chosen_;
};

}  // namespace telvane::organizer
