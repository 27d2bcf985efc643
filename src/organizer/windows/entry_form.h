// The entry controls the organizer window and the modify dialog share: a calendar, a time
// picker, the category and repeat boxes, the alarm check box and the description field.
#pragma once

#include "organizer/organizer_entry.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::organizer {

struct EntryForm {
  int calendar = 0, time = 0, category = 0, repeat = 0, alarm = 0, description = 0;
};

// Fills the category and repeat boxes with the language's labels, entry 0 chosen.
void FillEntryBoxes(ui::Dialog& dialog, const EntryForm& form, int languageId);
// The values the controls hold.
EntryValues ReadEntryForm(const ui::Dialog& dialog, const EntryForm& form);
// Sets the calendar's date (marked bold) and the time picker.
void SetFormDate(ui::Dialog& dialog, const EntryForm& form, ui::Date date, ui::Time time);
// Warns "Text can't be longer than 16 characters" when the description is longer.
void WarnLongDescription(ui::Ui& ui, const ui::Dialog& dialog, const EntryForm& form);

}  // namespace telvane::organizer
