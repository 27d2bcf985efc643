#include "organizer/windows/modify_dialog.h"

#include <string>

#include "organizer/organizer_row_values.h"
#include "organizer/windows/entry_form.h"
#include "organizer/windows/organizer_window_ids.h"

namespace telvane::organizer {

using namespace window_ids;

namespace {

constexpr EntryForm kForm{kModifyCalendar, kModifyTime,  kModifyCategory,
                          kModifyRepeat,   kModifyAlarm, kModifyDescription};

}  // namespace

void ModifyDialog::OnInit(ui::Dialog& dialog) {
  const int languageId = ui_.LanguageId();
  FillEntryBoxes(dialog, kForm, languageId);
  dialog.SetText(kModifySlot, std::to_string(row_.slot));
  dialog.SetChecked(kModifyAlarm, !row_.alarm.empty());
  ui::Date date = date_;
  if (const auto day = DateOfColumn(row_.date)) date = {day->year, day->month, day->day};
  ui::Time time = time_;
  if (const auto clock = TimeOfColumn(row_.time)) time = {clock->hour, clock->minute, 0};
  SetFormDate(dialog, kForm, date, time);
  dialog.SetCurrentItem(kModifyCategory, CategoryIndexOfColumn(languageId, row_.category));
  dialog.SetCurrentItem(kModifyRepeat, RepeatKindOfColumn(languageId, row_.repeat));
  dialog.SetText(kModifyDescription, row_.description);
}

void ModifyDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdOk) {
    if (write_(ReadEntryForm(dialog, kForm))) dialog.End(ui::kIdOk);
  } else if (commandId == ui::kIdCancel) {
    dialog.End(ui::kIdCancel);
  }
}

void ModifyDialog::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind != ui::EventKind::Changed) return;
  if (event.controlId == kModifyDescription) WarnLongDescription(ui_, dialog, kForm);
  if (event.controlId == kModifyCalendar) {
    dialog.SetBoldDay(kModifyCalendar, dialog.GetDate(kModifyCalendar));
  }
}

}  // namespace telvane::organizer
