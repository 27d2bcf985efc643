#include "ui/headless/control_dump.h"

#include <cstdio>
#include <sstream>

#include "ui/headless/headless_dialog.h"
#include "ui/headless/output_text.h"

namespace telvane::ui::headless {
namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Static: return "Static";
    case ControlKind::Edit: return "Edit";
    case ControlKind::PushButton: return "PushButton";
    case ControlKind::BitmapButton: return "BitmapButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::RadioButton: return "RadioButton";
    case ControlKind::GroupBox: return "GroupBox";
    case ControlKind::ListView: return "ListView";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::UpDown: return "UpDown";
    case ControlKind::Progress: return "Progress";
    case ControlKind::Calendar: return "Calendar";
    case ControlKind::TimePicker: return "TimePicker";
    case ControlKind::Picture: return "Picture";
  }
  return "Control";
}

const char* OnOff(bool value) { return value ? "on" : "off"; }

std::string FormatDate(Date date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string FormatTime(Time time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  return text;
}

void DumpListView(const HeadlessDialog& dialog, const ControlState& control, std::ostream& out) {
  const int id = control.Id();
  char style[16];
  std::snprintf(style, sizeof style, "0x%X", static_cast<unsigned>(control.listStyle));
  out << " style=" << style << " focused=" << control.focusedRow << " rows=" << control.rows.size()
      << '\n';
  for (std::size_t c = 0; c < control.columns.size(); ++c) {
    out << "  column " << c << ' ' << Quoted(control.columns[c].title)
        << " width=" << control.columns[c].width << '\n';
  }
  for (std::size_t r = 0; r < control.rows.size(); ++r) {
    const ListViewRow& row = control.rows[r];
    out << "  row " << r << " data=" << row.data;
    if (row.selected) out << " selected";
    if (static_cast<int>(r) == dialog.FocusedRow(id)) out << " focused";
    out << ':';
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
      out << (c == 0 ? " " : " | ") << Quoted(row.cells[c]);
    }
    out << '\n';
  }
}

}  // namespace

std::string ShownText(const HeadlessDialog& dialog, int id) {
  std::string text = dialog.Text(id);
  const ControlState* control = dialog.Control(id);
  if (control && control->Kind() == ControlKind::Edit && control->source->HasStyle("ES_PASSWORD")) {
    text.assign(text.size(), '*');
  }
  return text;
}

std::string DumpControl(const HeadlessDialog& dialog, int id) {
  std::ostringstream out;
  const ControlState* control = dialog.Control(id);
  if (!control) {
    const MenuCommandState* command = dialog.MenuCommand(id);
    if (!command) return {};
    out << "menu " << id << ' ' << Quoted(command->text) << " enabled=" << OnOff(command->enabled)
        << " checked=" << OnOff(command->checked) << '\n';
    return out.str();
  }
  const ControlKind kind = control->Kind();
  out << "control " << id << ' ' << KindName(kind) << " text=" << Quoted(ShownText(dialog, id))
      << " enabled=" << OnOff(control->enabled) << " visible=" << OnOff(control->visible);
  if (control->tooltip != 0) out << " tooltip=" << control->tooltip;
  if (!control->tooltipText.empty()) out << " tip=" << Quoted(control->tooltipText);
  switch (kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: out << " checked=" << OnOff(control->checked); break;
    case ControlKind::UpDown:
    case ControlKind::Progress:
      out << " pos=" << dialog.Pos(id) << " range=" << control->low << ".." << control->high;
      break;
    case ControlKind::BitmapButton:
    case ControlKind::Picture: out << " bitmap=" << control->bitmap; break;
    case ControlKind::Calendar:
    case ControlKind::TimePicker:
      out << " date=" << FormatDate(control->date) << " time=" << FormatTime(control->time);
      if (control->boldDay) out << " bold=" << FormatDate(*control->boldDay);
      break;
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
      out << " current=" << control->current << " items=" << control->items.size() << '\n';
      for (std::size_t i = 0; i < control->items.size(); ++i) {
        out << "  item " << i << ' ' << Quoted(control->items[i].text)
            << " data=" << control->items[i].data << '\n';
      }
      return out.str();
    case ControlKind::ListView: DumpListView(dialog, *control, out); return out.str();
    default: break;
  }
  out << '\n';
  return out.str();
}

}  // namespace telvane::ui::headless
