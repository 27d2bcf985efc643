// The in-memory state of one control of a headless dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/resources.h"

namespace telvane::ui::headless {

struct ListItem {  // an item of a list box or combo box
  std::string text;
  std::int64_t data = 0;
};

struct ListColumn {
  std::string title;
  int width = 0;
  ColumnAlign align = ColumnAlign::kLeft;
};

struct ListViewRow {
  std::vector<std::string> cells;  // one per column, at least one
  std::int64_t data = 0;
  bool selected = false;
};

struct ControlState {
  const ControlTemplate* source = nullptr;  // in the dialog's own copy of the template
  std::string text;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  int textLimit = 0;        // 0: none
  int tooltip = 0;          // string id, 0: none
  std::string tooltipText;  // a tooltip given as text
  int low = 0, high = 100, pos = 0;
  int bitmap = 0;
  int radioGroup = -1;  // radio buttons: the index of their group
  Date date;
  std::optional<Date> boldDay;  // calendars: the day drawn bold
  Time time;
  std::vector<ListItem> items;
  int current = -1;
  std::vector<ListColumn> columns;
  std::vector<ListViewRow> rows;
  int focusedRow = -1;
  std::uint32_t listStyle = 0;

  ControlKind Kind() const { return source->kind; }
  int Id() const { return source->id; }
};

struct MenuCommandState {
  std::string text;
  bool enabled = true;
  bool checked = false;
};

}  // namespace telvane::ui::headless
