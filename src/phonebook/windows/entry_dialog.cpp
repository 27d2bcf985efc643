#include "phonebook/windows/entry_dialog.h"

#include "base/decimal.h"
#include "phonebook/entry_writing.h"
#include "phonebook/phonebook_messages.h"
#include "phonebook/windows/phonebook_window.h"
#include "phonebook/windows/phonebook_window_ids.h"

namespace telvane::phonebook {

using namespace window_ids;

std::optional<RowEntry> EntryOfRow(PhonebookWindow& window, int row) {
  ui::Dialog& list = window.Window();
  if (row < 0 || row >= list.RowCount(kBookList)) return std::nullopt;
  const std::optional<int> position = base::LeadingDecimal(list.Cell(kBookList, row, 0));
  if (!position) return std::nullopt;
  const std::optional<std::size_t> slot = window.Store().SlotOf(*position);
  if (!slot) return std::nullopt;
  return RowEntry{*position, *slot};
}

void EntryDialog::OnInit(ui::Dialog& dialog) {
  if (mode_ >= 0) {
    if (const auto entry = window_.EntryOfRow(mode_)) {
      position_ = entry->position;
      slot_ = entry->slot;
      const PhonebookEntry& stored = window_.Store().entries[slot_];
      dialog.SetText(kEntryName, stored.name);
      dialog.SetText(kEntryNumber, stored.number);
    }
  } else if (mode_ == kNumberFromCallList) {
    dialog.SetText(kEntryNumber, handedNumber_);
  }
  dialog.SetFocus(kEntryName);
}

void EntryDialog::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind != ui::EventKind::Changed) return;
  const BookCapacity& capacity = window_.Store().capacity;
  // The user is warned at each change; the text is not cut.
  if (event.controlId == kEntryName &&
      static_cast<int>(dialog.Text(kEntryName).size()) > capacity.textLength) {
    ui::ShowError(window_.Ui(), kStrNameTooLong);
  } else if (event.controlId == kEntryNumber &&
             static_cast<int>(dialog.Text(kEntryNumber).size()) > capacity.numberLength) {
    ui::ShowError(window_.Ui(), kStrNumberTooLong);
  }
}

void EntryDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdCancel) {
    dialog.End(ui::kIdCancel);
    return;
  }
  if (commandId != ui::kIdOk) return;
  const EntryInput input{dialog.Text(kEntryName), dialog.Text(kEntryNumber)};
  WriteContext write = window_.MakeWriteContext();
  const Outcome outcome = WriteEntry(write, input, position_, slot_);
  window_.ShowWriteOutcome(outcome, position_ == 0);
  // A refused write keeps the dialog open with what was typed, for another try or Cancel.
  if (outcome.done) dialog.End(ui::kIdOk);
}

}  // namespace telvane::phonebook
