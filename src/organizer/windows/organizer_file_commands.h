// The organizer window's file commands: CSV, XML and vCalendar exports, the CSV import
// and the vCalendar/iCalendar files dropped on the window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/app_context.h"
#include "organizer/organizer_entry.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::organizer {

// What the file commands need of the organizer window.
class OrganizerRows {
 public:
  virtual ~OrganizerRows() = default;
  // Every row, in the list's current order.
  virtual std::vector<OrganizerEntry> RowsInListOrder() const = 0;
  // The row that has the focus, if any.
  virtual std::optional<OrganizerEntry> FocusedRow() const = 0;
  // Writes an entry into the first free slot in list order, with the checks and messages
  // of the Add button; false when nothing was written.
  virtual bool AddEntry(const EntryValues& values) = 0;
  // Writes an entry read from a dropped file into the first free slot (category
  // MISCELLANEOUS, once, no alarm); false when nothing was written.
  virtual bool ImportEntry(const EntryValues& values) = 0;
};

// Menu commands 40024 (CSV export), 40052 (XML export), 40055 (vCalendar export of the
// focused row) and 40026 (CSV import). False for any other command.
bool RunFileCommand(config::AppContext& context, ui::Ui& ui, ui::Dialog& window,
                    OrganizerRows& rows, int commandId);

// Files dropped on the window: those named ".vcs"/".VCS" are imported, others ignored.
void ImportDroppedFiles(config::AppContext& context, ui::Ui& ui, ui::Dialog& window,
                        OrganizerRows& rows, const std::vector<std::string>& paths);

}  // namespace telvane::organizer
