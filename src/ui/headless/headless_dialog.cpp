#include "ui/headless/headless_dialog.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <utility>

namespace telvane::ui::headless {
namespace {

// Dialog units to pixels for the 8-point dialog font (base units 6 x 13 pixels).
int HorizontalPixels(int units) { return units * 6 / 4; }
int VerticalPixels(int units) { return units * 13 / 8; }

void AddMenuCommands(const std::vector<MenuItem>& items, std::map<int, MenuCommandState>& into) {
  for (const MenuItem& item : items) {
    if (!item.children.empty()) {
      AddMenuCommands(item.children, into);
    } else if (item.command != 0) {
      into.emplace(item.command, MenuCommandState{item.text, !item.grayed, item.checked});
    }
  }
}

template <typename Vector>
bool InRange(const Vector& v, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < v.size();
}

}  // namespace

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialogTemplate, DialogHandler& handler,
                               const Resources& resources, int languageId,
                               std::function<void()> onClose)
    : template_(dialogTemplate),
      handler_(handler),
      resources_(resources),
      languageId_(languageId),
      onClose_(std::move(onClose)),
      caption_(template_.caption),
      rect_{HorizontalPixels(template_.x), VerticalPixels(template_.y),
            HorizontalPixels(template_.width), VerticalPixels(template_.height)} {
  controls_.reserve(template_.controls.size());
  int group = -1;
  bool previousWasRadio = false;
  for (const ControlTemplate& source : template_.controls) {
    ControlState state;
    state.source = &source;
    state.text = source.text;
    state.enabled = !source.HasStyle("WS_DISABLED");
    state.visible = !source.HasStyle("NOT WS_VISIBLE");
    // A run of radio buttons is one group; WS_GROUP starts a new one.
    const bool radio = source.kind == ControlKind::RadioButton;
    if (radio && (!previousWasRadio || source.HasStyle("WS_GROUP"))) ++group;
    if (radio) state.radioGroup = group;
    previousWasRadio = radio;
    if (source.id != -1) controlIndex_.emplace(source.id, controls_.size());
    controls_.push_back(std::move(state));
  }
  if (template_.menuId != 0) {
    if (const MenuTemplate* menu = resources_.Menu(template_.menuId, languageId_)) {
      AddMenuCommands(menu->items, menuBar_);
    }
  }
}

HeadlessDialog::~HeadlessDialog() {
  if (!ended_ && onClose_) onClose_();
}

const ControlState* HeadlessDialog::Control(int id) const {
  const auto found = controlIndex_.find(id);
  return found == controlIndex_.end() ? nullptr : &controls_[found->second];
}

ControlState* HeadlessDialog::Find(int id) {
  return const_cast<ControlState*>(std::as_const(*this).Control(id));
}

const ControlState* HeadlessDialog::FindOf(int id, std::initializer_list<ControlKind> kinds) const {
  const ControlState* control = Control(id);
  if (!control || std::find(kinds.begin(), kinds.end(), control->Kind()) == kinds.end()) {
    return nullptr;
  }
  return control;
}

ControlState* HeadlessDialog::FindOf(int id, std::initializer_list<ControlKind> kinds) {
  return const_cast<ControlState*>(std::as_const(*this).FindOf(id, kinds));
}

const MenuCommandState* HeadlessDialog::MenuCommand(int command) const {
  const auto found = menuBar_.find(command);
  return found == menuBar_.end() ? nullptr : &found->second;
}

void HeadlessDialog::End(int result) {
  result_ = result;
  if (ended_) return;
  ended_ = true;
  timers_.clear();
  if (onClose_) onClose_();
}

void HeadlessDialog::MoveWindow(int x, int y) {
  rect_.x = x;
  rect_.y = y;
}

void HeadlessDialog::SetText(int id, std::string_view text) {
  ControlState* control = Find(id);
  if (!control) return;
  control->text = text;
  if (control->Kind() == ControlKind::ComboBox) control->current = -1;
}

std::string HeadlessDialog::Text(int id) const {
  const ControlState* control = Control(id);
  if (!control) return {};
  // A list box or combo box with a current item shows that item.
  const bool list =
      control->Kind() == ControlKind::ComboBox || control->Kind() == ControlKind::ListBox;
  if (list && InRange(control->items, control->current))
    return control->items[control->current].text;
  return control->text;
}

void HeadlessDialog::Enable(int id, bool enabled) {
  if (ControlState* control = Find(id)) control->enabled = enabled;
}

bool HeadlessDialog::IsEnabled(int id) const {
  const ControlState* control = Control(id);
  return control && control->enabled;
}

void HeadlessDialog::Show(int id, bool visible) {
  if (ControlState* control = Find(id)) control->visible = visible;
}

void HeadlessDialog::SetFocus(int id) {
  if (Control(id)) focusedControl_ = id;
}

void HeadlessDialog::AddTooltip(int id, int stringId) {
  if (ControlState* control = Find(id)) control->tooltip = stringId;
}

void HeadlessDialog::SetTooltipText(int id, std::string_view text) {
  if (ControlState* control = Find(id)) control->tooltipText = std::string(text);
}

void HeadlessDialog::SetTextLimit(int id, int maxCharacters) {
  if (ControlState* control = FindOf(id, {ControlKind::Edit, ControlKind::ComboBox})) {
    control->textLimit = std::max(0, maxCharacters);
  }
}

void HeadlessDialog::UncheckGroupExcept(const ControlState& radio) {
  for (ControlState& other : controls_) {
    if (&other != &radio && other.radioGroup == radio.radioGroup) other.checked = false;
  }
}

void HeadlessDialog::SetChecked(int id, bool checked) {
  ControlState* control = FindOf(id, {ControlKind::CheckBox, ControlKind::RadioButton});
  if (!control) return;
  control->checked = checked;
  // Radio buttons of a group stay exclusive, as the Qt backend's do.
  if (checked && control->Kind() == ControlKind::RadioButton) UncheckGroupExcept(*control);
}

bool HeadlessDialog::IsChecked(int id) const {
  const ControlState* control = Control(id);
  return control && control->checked;
}

const ControlState* HeadlessDialog::Buddy(const ControlState& upDown) const {
  if (!upDown.source->HasStyle("UDS_SETBUDDYINT")) return nullptr;
  const auto self = static_cast<std::size_t>(&upDown - controls_.data());
  if (self == 0 || controls_[self - 1].Kind() != ControlKind::Edit) return nullptr;
  return &controls_[self - 1];
}

ControlState* HeadlessDialog::Buddy(const ControlState& upDown) {
  return const_cast<ControlState*>(std::as_const(*this).Buddy(upDown));
}

void HeadlessDialog::SetRange(int id, int low, int high) {
  ControlState* control = FindOf(id, {ControlKind::UpDown, ControlKind::Progress});
  if (!control) return;
  control->low = low;
  control->high = high;
  SetPos(id, control->pos);
}

void HeadlessDialog::SetPos(int id, int position) {
  ControlState* control = FindOf(id, {ControlKind::UpDown, ControlKind::Progress});
  if (!control) return;
  control->pos = std::clamp(position, std::min(control->low, control->high),
                            std::max(control->low, control->high));
  if (ControlState* buddy = Buddy(*control)) buddy->text = std::to_string(control->pos);
}

int HeadlessDialog::Pos(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::UpDown, ControlKind::Progress});
  if (!control) return 0;
  // An up-down with an integer buddy reads its position back from the buddy's text, as
  // the user may have typed there.
  if (const ControlState* buddy = Buddy(*control)) {
    int value = 0;
    const std::string& text = buddy->text;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size() &&
        value >= std::min(control->low, control->high) &&
        value <= std::max(control->low, control->high)) {
      return value;
    }
  }
  return control->pos;
}

void HeadlessDialog::SetBitmap(int id, int bitmapId) {
  if (ControlState* control = Find(id)) control->bitmap = bitmapId;
}

int HeadlessDialog::Bitmap(int id) const {
  const ControlState* control = Control(id);
  return control ? control->bitmap : 0;
}

void HeadlessDialog::SetDate(int id, Date date) {
  if (ControlState* control = FindOf(id, {ControlKind::Calendar, ControlKind::TimePicker})) {
    control->date = date;
  }
}

void HeadlessDialog::SetBoldDay(int id, std::optional<Date> day) {
  if (ControlState* control = FindOf(id, {ControlKind::Calendar})) control->boldDay = day;
}

std::optional<Date> HeadlessDialog::BoldDay(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::Calendar});
  return control ? control->boldDay : std::nullopt;
}

Date HeadlessDialog::GetDate(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::Calendar, ControlKind::TimePicker});
  return control ? control->date : Date{};
}

void HeadlessDialog::SetTime(int id, Time time) {
  if (ControlState* control = FindOf(id, {ControlKind::Calendar, ControlKind::TimePicker})) {
    control->time = time;
  }
}

Time HeadlessDialog::GetTime(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::Calendar, ControlKind::TimePicker});
  return control ? control->time : Time{};
}

// List boxes and combo boxes.

void HeadlessDialog::ClearItems(int id) {
  if (ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox})) {
    control->items.clear();
    control->current = -1;
  }
}

int HeadlessDialog::AddItem(int id, std::string_view text) {
  ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  if (!control) return -1;
  auto position = control->items.end();
  if (control->source->HasStyle("LBS_SORT") || control->source->HasStyle("CBS_SORT")) {
    position = std::find_if(control->items.begin(), control->items.end(),
                            [&](const ListItem& item) { return item.text > text; });
  }
  const auto index = static_cast<int>(position - control->items.begin());
  control->items.insert(position, ListItem{std::string(text), 0});
  if (control->current >= index) ++control->current;
  return index;
}

void HeadlessDialog::RemoveItem(int id, int index) {
  ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  if (!control || !InRange(control->items, index)) return;
  control->items.erase(control->items.begin() + index);
  if (control->current == index) {
    control->current = -1;
  } else if (control->current > index) {
    --control->current;
  }
}

int HeadlessDialog::ItemCount(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  return control ? static_cast<int>(control->items.size()) : 0;
}

std::string HeadlessDialog::ItemText(int id, int index) const {
  const ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  return control && InRange(control->items, index) ? control->items[index].text : std::string();
}

void HeadlessDialog::SetItemData(int id, int index, std::int64_t data) {
  ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  if (control && InRange(control->items, index)) control->items[index].data = data;
}

std::int64_t HeadlessDialog::ItemData(int id, int index) const {
  const ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  return control && InRange(control->items, index) ? control->items[index].data : 0;
}

int HeadlessDialog::CurrentItem(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  return control ? control->current : -1;
}

void HeadlessDialog::SetCurrentItem(int id, int index) {
  ControlState* control = FindOf(id, {ControlKind::ListBox, ControlKind::ComboBox});
  if (!control) return;
  control->current = InRange(control->items, index) ? index : -1;
}

// List views.

void HeadlessDialog::AddListStyle(int id, std::uint32_t extendedStyle) {
  if (ControlState* control = FindOf(id, {ControlKind::ListView})) {
    control->listStyle |= extendedStyle;
  }
}

std::uint32_t HeadlessDialog::ListStyle(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  return control ? control->listStyle : 0;
}

void HeadlessDialog::AddColumn(int id, std::string_view title, int width) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control) return;
  control->columns.push_back(ListColumn{std::string(title), std::max(0, width)});
  for (ListViewRow& row : control->rows) row.cells.resize(control->columns.size());
}

void HeadlessDialog::SetColumnAlign(int id, int column, ColumnAlign align) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (control && column >= 0 && column < static_cast<int>(control->columns.size()))
    control->columns[static_cast<std::size_t>(column)].align = align;
}

ColumnAlign HeadlessDialog::ColumnAlignment(int id, int column) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control || column < 0 || column >= static_cast<int>(control->columns.size()))
    return ColumnAlign::kLeft;
  return control->columns[static_cast<std::size_t>(column)].align;
}

int HeadlessDialog::ColumnCount(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  return control ? static_cast<int>(control->columns.size()) : 0;
}

int HeadlessDialog::ColumnWidth(int id, int column) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  return control && InRange(control->columns, column) ? control->columns[column].width : 0;
}

void HeadlessDialog::SetColumnWidth(int id, int column, int width) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (control && InRange(control->columns, column))
    control->columns[column].width = std::max(0, width);
}

int HeadlessDialog::InsertRow(int id, int row, std::string_view firstCell, std::int64_t data) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control) return -1;
  const int count = static_cast<int>(control->rows.size());
  const int index = row < 0 || row > count ? count : row;
  ListViewRow newRow;
  newRow.cells.resize(std::max<std::size_t>(1, control->columns.size()));
  newRow.cells[0] = firstCell;
  newRow.data = data;
  control->rows.insert(control->rows.begin() + index, std::move(newRow));
  if (control->focusedRow >= index) ++control->focusedRow;
  return index;
}

void HeadlessDialog::SetCell(int id, int row, int column, std::string_view text) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control || !InRange(control->rows, row)) return;
  auto& cells = control->rows[row].cells;
  if (InRange(cells, column)) cells[column] = text;
}

std::string HeadlessDialog::Cell(int id, int row, int column) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control || !InRange(control->rows, row)) return {};
  const auto& cells = control->rows[row].cells;
  return InRange(cells, column) ? cells[column] : std::string();
}

void HeadlessDialog::SetRowData(int id, int row, std::int64_t data) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (control && InRange(control->rows, row)) control->rows[row].data = data;
}

std::int64_t HeadlessDialog::RowData(int id, int row) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  return control && InRange(control->rows, row) ? control->rows[row].data : 0;
}

int HeadlessDialog::RowCount(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  return control ? static_cast<int>(control->rows.size()) : 0;
}

void HeadlessDialog::DeleteRow(int id, int row) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control || !InRange(control->rows, row)) return;
  control->rows.erase(control->rows.begin() + row);
  if (control->focusedRow == row) {
    control->focusedRow = -1;
  } else if (control->focusedRow > row) {
    --control->focusedRow;
  }
}

void HeadlessDialog::DeleteAllRows(int id) {
  if (ControlState* control = FindOf(id, {ControlKind::ListView})) {
    control->rows.clear();
    control->focusedRow = -1;
  }
}

std::vector<int> HeadlessDialog::SelectedRows(int id) const {
  std::vector<int> selected;
  if (const ControlState* control = FindOf(id, {ControlKind::ListView})) {
    for (std::size_t i = 0; i < control->rows.size(); ++i) {
      if (control->rows[i].selected) selected.push_back(static_cast<int>(i));
    }
  }
  return selected;
}

void HeadlessDialog::SelectRow(int id, int row, bool selected) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control || !InRange(control->rows, row)) return;
  // A single-selection list keeps at most one row selected.
  if (selected && control->source->HasStyle("LVS_SINGLESEL")) {
    for (ListViewRow& other : control->rows) other.selected = false;
  }
  control->rows[row].selected = selected;
}

int HeadlessDialog::FocusedRow(int id) const {
  const ControlState* control = FindOf(id, {ControlKind::ListView});
  return control ? control->focusedRow : -1;
}

void HeadlessDialog::SetFocusedRow(int id, int row) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (control) control->focusedRow = InRange(control->rows, row) ? row : -1;
}

void HeadlessDialog::SortRows(int id,
                              const std::function<bool(const ListRow&, const ListRow&)>& less) {
  ControlState* control = FindOf(id, {ControlKind::ListView});
  if (!control || !less) return;
  // Sort an index so that the comparison sees plain rows, and the selection and focus
  // stay with their rows.
  const std::size_t count = control->rows.size();
  std::vector<ListRow> views(count);
  for (std::size_t i = 0; i < count; ++i) {
    views[i] = ListRow{control->rows[i].cells, control->rows[i].data};
  }
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return less(views[a], views[b]); });
  std::vector<ListViewRow> sorted;
  sorted.reserve(count);
  int focused = -1;
  for (std::size_t i = 0; i < count; ++i) {
    if (static_cast<int>(order[i]) == control->focusedRow) focused = static_cast<int>(i);
    sorted.push_back(std::move(control->rows[order[i]]));
  }
  control->rows = std::move(sorted);
  control->focusedRow = focused;
}

// Menus and timers.

void HeadlessDialog::EnableMenuItem(int commandId, bool enabled) {
  const auto found = menuBar_.find(commandId);
  if (found != menuBar_.end()) found->second.enabled = enabled;
}

bool HeadlessDialog::IsMenuItemEnabled(int commandId) const {
  const MenuCommandState* command = MenuCommand(commandId);
  return command && command->enabled;
}

void HeadlessDialog::CheckMenuItem(int commandId, bool checked) {
  const auto found = menuBar_.find(commandId);
  if (found != menuBar_.end()) found->second.checked = checked;
}

void HeadlessDialog::ShowPopupMenu(int menuId) {
  const MenuTemplate* menu = resources_.Menu(menuId, languageId_);
  if (!menu || menu->items.empty()) return;
  const MenuItem& first = menu->items.front();
  ShowPopupMenu(MenuTemplate{menuId, first.children.empty() ? menu->items : first.children});
}

void HeadlessDialog::ShowPopupMenu(const MenuTemplate& menu) {
  if (menu.items.empty()) return;
  popupCommands_.clear();
  AddMenuCommands(menu.items, popupCommands_);
  popupMenu_ = menu.id;
}

void HeadlessDialog::SetTimer(int timerId, int milliseconds) {
  if (!ended_) timers_[timerId] = std::max(0, milliseconds);
}

void HeadlessDialog::KillTimer(int timerId) { timers_.erase(timerId); }

}  // namespace telvane::ui::headless
