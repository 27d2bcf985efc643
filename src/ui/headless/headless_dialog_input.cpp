// User input on a headless dialog: what a person at the window can do, checked first.

#include <algorithm>
#include <climits>
#include <string>

#include "ui/headless/headless_dialog.h"

namespace telvane::ui::headless {
namespace {

std::string IdText(int id) { return std::to_string(id); }

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsValidDate(Date date) {
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.year < 1601 || date.year > 9999 || date.month < 1 || date.month > 12) return false;
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int days = date.month == 2 && !leap ? 28 : kDays[date.month - 1];
  return date.day >= 1 && date.day <= days;
}

}  // namespace

void HeadlessDialog::RequireWindowEnabled(std::string_view verb) const {
  if (!windowEnabled_) {
    throw InputRefused(std::string(verb) + ": window " + IdText(template_.id) + " is disabled");
  }
}

ControlState& HeadlessDialog::Usable(int id, std::initializer_list<ControlKind> kinds,
                                     std::string_view verb) {
  RequireWindowEnabled(verb);
  ControlState* control = Find(id);
  if (!control) throw InputRefused(std::string(verb) + ": no control " + IdText(id));
  if (kinds.size() != 0 && std::find(kinds.begin(), kinds.end(), control->Kind()) == kinds.end()) {
    throw InputRefused(std::string(verb) + ": control " + IdText(id) + " does not take this");
  }
  if (!control->visible)
    throw InputRefused(std::string(verb) + ": control " + IdText(id) + " is hidden");
  if (!control->enabled) {
    throw InputRefused(std::string(verb) + ": control " + IdText(id) + " is disabled");
  }
  return *control;
}

ControlState& HeadlessDialog::UsableListView(int id, std::string_view verb) {
  return Usable(id, {ControlKind::ListView}, verb);
}

void HeadlessDialog::Click(int id) {
  if (!Control(id)) return ChooseMenuCommand(id);
  ControlState& control =
      Usable(id,
             {ControlKind::PushButton, ControlKind::BitmapButton, ControlKind::CheckBox,
              ControlKind::RadioButton, ControlKind::Static, ControlKind::Picture},
             "click");
  const bool label =
      control.Kind() == ControlKind::Static || control.Kind() == ControlKind::Picture;
  if (label && !control.source->HasStyle("SS_NOTIFY")) {
    throw InputRefused("click: control " + IdText(id) + " is a label that takes no clicks");
  }
  DismissPopupMenu();
  if (control.Kind() == ControlKind::CheckBox) {
    control.checked = !control.checked;
  } else if (control.Kind() == ControlKind::RadioButton) {
    control.checked = true;
    UncheckGroupExcept(control);
  }
  handler_.OnCommand(*this, id);
}

void HeadlessDialog::ChooseMenuCommand(int command) {
  RequireWindowEnabled("click");
  // An open pop-up menu takes the click first; any choice closes it.
  const auto popup = popupCommands_.find(command);
  const MenuCommandState* entry =
      popup != popupCommands_.end() ? &popup->second : MenuCommand(command);
  if (!entry) {
    throw InputRefused("click: window " + IdText(template_.id) +
                       " has no control or menu command " + IdText(command));
  }
  if (!entry->enabled) throw InputRefused("click: menu command " + IdText(command) + " is grayed");
  DismissPopupMenu();
  handler_.OnCommand(*this, command);
}

void HeadlessDialog::SetCheck(int id, bool checked) {
  ControlState& control = Usable(id, {ControlKind::CheckBox, ControlKind::RadioButton}, "check");
  if (control.Kind() == ControlKind::RadioButton && !checked) {
    throw InputRefused("check: radio button " + IdText(id) + " is turned off by choosing another");
  }
  if (control.checked == checked) return;
  control.checked = checked;
  if (control.Kind() == ControlKind::RadioButton) UncheckGroupExcept(control);
  handler_.OnCommand(*this, id);
}

void HeadlessDialog::TypeText(int id, std::string_view text) {
  ControlState& control = Usable(id, {ControlKind::Edit, ControlKind::ComboBox}, "type");
  if (control.source->HasStyle("ES_READONLY")) {
    throw InputRefused("type: edit " + IdText(id) + " is read-only");
  }
  if (control.source->HasStyle("CBS_DROPDOWNLIST")) {
    throw InputRefused("type: combo box " + IdText(id) + " takes no typing; use select");
  }
  if (control.source->HasStyle("ES_NUMBER") && !IsDigits(text)) {
    throw InputRefused("type: edit " + IdText(id) + " takes digits only");
  }
  // A person cannot type beyond the edit's limit.
  if (control.textLimit > 0 && text.size() > static_cast<std::size_t>(control.textLimit)) {
    text = text.substr(0, static_cast<std::size_t>(control.textLimit));
  }
  control.text = text;
  if (control.Kind() == ControlKind::ComboBox) control.current = -1;
  handler_.OnEvent(*this, ControlEvent{EventKind::Changed, id});
}

void HeadlessDialog::SelectItem(int id, int index) {
  ControlState& control = Usable(id, {ControlKind::ListBox, ControlKind::ComboBox}, "select");
  if (index < 0 || index >= static_cast<int>(control.items.size())) {
    throw InputRefused("select: control " + IdText(id) + " has no item " + IdText(index) + " (" +
                       std::to_string(control.items.size()) + " items)");
  }
  control.current = index;
  handler_.OnEvent(*this, ControlEvent{EventKind::SelectionChanged, id, index});
}

void HeadlessDialog::SelectRows(int id, const std::vector<int>& rows) {
  ControlState& control = UsableListView(id, "rows");
  for (const int row : rows) {
    if (row < 0 || row >= static_cast<int>(control.rows.size())) {
      throw InputRefused("rows: list " + IdText(id) + " has no row " + IdText(row) + " (" +
                         std::to_string(control.rows.size()) + " rows)");
    }
  }
  if (rows.size() > 1 && control.source->HasStyle("LVS_SINGLESEL")) {
    throw InputRefused("rows: list " + IdText(id) + " selects one row only");
  }
  for (ListViewRow& row : control.rows) row.selected = false;
  for (const int row : rows) control.rows[row].selected = true;
  control.focusedRow = rows.empty() ? -1 : rows.front();
  handler_.OnEvent(*this, ControlEvent{EventKind::SelectionChanged, id, control.focusedRow});
}

void HeadlessDialog::DoubleClick(int id, int row) {
  ControlState& control = Usable(id, {ControlKind::ListView, ControlKind::ListBox}, "dblclick");
  const std::size_t count =
      control.Kind() == ControlKind::ListView ? control.rows.size() : control.items.size();
  if (row < 0 || static_cast<std::size_t>(row) >= count) {
    throw InputRefused("dblclick: control " + IdText(id) + " has no row " + IdText(row));
  }
  // The double click selects and focuses what it hits, as the first click would.
  if (control.Kind() == ControlKind::ListView) {
    for (ListViewRow& other : control.rows) other.selected = false;
    control.rows[row].selected = true;
    control.focusedRow = row;
  } else {
    control.current = row;
  }
  handler_.OnEvent(*this, ControlEvent{EventKind::DoubleClicked, id, row});
}

void HeadlessDialog::PressKey(int id, Key key) {
  ControlState& control = UsableListView(id, "key");
  handler_.OnEvent(*this, ControlEvent{EventKind::KeyPressed, id, control.focusedRow, -1, key});
}

void HeadlessDialog::ClickHeader(int id, int column) {
  ControlState& control = UsableListView(id, "header");
  if (column < 0 || column >= static_cast<int>(control.columns.size())) {
    throw InputRefused("header: list " + IdText(id) + " has no column " + IdText(column));
  }
  handler_.OnEvent(*this, ControlEvent{EventKind::HeaderClicked, id, -1, column});
}

void HeadlessDialog::EditCell(int id, int row, std::string_view text) {
  ControlState& control = UsableListView(id, "edit");
  if (!control.source->HasStyle("LVS_EDITLABELS")) {
    throw InputRefused("edit: list " + IdText(id) + " has no cells to edit in place");
  }
  if (row < 0 || row >= static_cast<int>(control.rows.size())) {
    throw InputRefused("edit: list " + IdText(id) + " has no row " + IdText(row));
  }
  for (ListViewRow& other : control.rows) other.selected = false;
  control.rows[row].selected = true;
  control.focusedRow = row;
  ControlEvent event{EventKind::EditEnded, id, row, 0};
  event.text = text;
  handler_.OnEvent(*this, event);
}

void HeadlessDialog::RightClick(int id) {
  ControlState& control = Usable(id, {ControlKind::ListView, ControlKind::ListBox}, "rclick");
  const int row = control.Kind() == ControlKind::ListView ? control.focusedRow : control.current;
  handler_.OnEvent(*this, ControlEvent{EventKind::RightClicked, id, row});
}

void HeadlessDialog::MoveUpDown(int id, int delta) {
  const ControlState& control = Usable(id, {ControlKind::UpDown}, "updown");
  // Start from the position as the control reports it (the buddy's text may have changed);
  // in a range that runs downwards, "up" lowers the value.
  const long long step = control.low > control.high ? -static_cast<long long>(delta) : delta;
  const long long target = std::clamp<long long>(Pos(id) + step, INT_MIN, INT_MAX);
  SetPos(id, static_cast<int>(target));
  handler_.OnEvent(*this, ControlEvent{EventKind::Changed, id});
}

void HeadlessDialog::PickDate(int id, Date date) {
  ControlState& control = Usable(id, {ControlKind::Calendar, ControlKind::TimePicker}, "date");
  if (!IsValidDate(date)) throw InputRefused("date: not a valid date");
  control.date = date;
  handler_.OnEvent(*this, ControlEvent{EventKind::Changed, id});
}

void HeadlessDialog::PickTime(int id, Time time) {
  ControlState& control = Usable(id, {ControlKind::Calendar, ControlKind::TimePicker}, "time");
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 ||
      time.second > 59) {
    throw InputRefused("time: not a valid time");
  }
  control.time = time;
  handler_.OnEvent(*this, ControlEvent{EventKind::Changed, id});
}

void HeadlessDialog::DropFiles(const std::vector<std::string>& paths) {
  RequireWindowEnabled("drop");
  if (!acceptsFiles_) {
    throw InputRefused("drop: window " + IdText(template_.id) + " does not accept files");
  }
  handler_.OnDropFiles(*this, paths);
}

void HeadlessDialog::FireTimer(int timerId) {
  if (!timers_.contains(timerId)) {
    throw InputRefused("timer: window " + IdText(template_.id) + " has no timer " +
                       IdText(timerId));
  }
  handler_.OnTimer(*this, timerId);
}

void HeadlessDialog::PressCloseBox() {
  RequireWindowEnabled("close");
  handler_.OnClose(*this);
}

void HeadlessDialog::DismissPopupMenu() {
  popupMenu_ = 0;
  popupCommands_.clear();
}

}  // namespace telvane::ui::headless
