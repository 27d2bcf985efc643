#include "organizer/windows/entry_form.h"

#include "organizer/organizer_vocabulary.h"
#include "organizer/organizer_writing.h"

namespace telvane::organizer {

void FillEntryBoxes(ui::Dialog& dialog, const EntryForm& form, int languageId) {
  dialog.ClearItems(form.category);
  for (int i = 0; i < kCategoryCount; ++i) {
    dialog.AddItem(form.category, CategoryLabel(languageId, i));
  }
  dialog.SetCurrentItem(form.category, 0);
  dialog.ClearItems(form.repeat);
  for (int i = 0; i < kRepeatKindCount; ++i) {
    dialog.AddItem(form.repeat, RepeatLabel(languageId, i));
  }
  dialog.SetCurrentItem(form.repeat, 0);
}

EntryValues ReadEntryForm(const ui::Dialog& dialog, const EntryForm& form) {
  EntryValues values;
  values.category = dialog.CurrentItem(form.category);
  values.repeat = dialog.CurrentItem(form.repeat);
  values.alarm = dialog.IsChecked(form.alarm);
  const ui::Date date = dialog.GetDate(form.calendar);
  values.year = date.year;
  values.month = date.month;
  values.day = date.day;
  const ui::Time time = dialog.GetTime(form.time);
  values.hour = time.hour;
  values.minute = time.minute;
  values.description = dialog.Text(form.description);
  return values;
}

void SetFormDate(ui::Dialog& dialog, const EntryForm& form, ui::Date date, ui::Time time) {
  dialog.SetDate(form.calendar, date);
  dialog.SetBoldDay(form.calendar, date);
  dialog.SetTime(form.time, time);
}

void WarnLongDescription(ui::Ui& ui, const ui::Dialog& dialog, const EntryForm& form) {
  if (dialog.Text(form.description).size() > kDescriptionLimit) ui::ShowError(ui, kStrTooLong);
}

}  // namespace telvane::organizer
