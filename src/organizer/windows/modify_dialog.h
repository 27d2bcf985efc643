// The modify dialog (template 142): one row's entry in the entry controls; "OK" hands the
// values to the window's write. A write that fails leaves the dialog open with them.
#pragma once

#include <functional>

#include "organizer/organizer_entry.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::organizer {

class ModifyDialog : public ui::DialogHandler {
 public:
  // Writes the values into the row's slot and shows what went wrong; true when written.
  using Write = std::function<bool(const EntryValues&)>;

  // `date` and `time` stand in for a row without a readable date or time.
  ModifyDialog(ui::Ui& ui, OrganizerEntry row, ui::Date date, ui::Time time, Write write)
      : ui_(ui), row_(std::move(row)), date_(date), time_(time), write_(std::move(write)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

 private:
  ui::Ui& ui_;
  OrganizerEntry row_;
  ui::Date date_;
  ui::Time time_;
  Write write_;
};

}  // namespace telvane::organizer
