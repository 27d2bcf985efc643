#include "ui/window_kit.h"

#include <algorithm>

namespace telvane::ui {

void CenterWindow(ui::Dialog& dialog, const ui::Rect& workArea) {
  const ui::Rect window = dialog.WindowRect();
  const int right = workArea.x + workArea.width;
  const int bottom = workArea.y + workArea.height;
  dialog.MoveWindow((right - window.width) / 2, (bottom - window.height) / 2);
}

void AddTooltips(ui::Dialog& dialog, std::span<const Tooltip> tips) {
  for (const Tooltip& tip : tips) dialog.AddTooltip(tip.controlId, tip.stringId);
}

void AddListViewStyle(ui::Dialog& dialog, int listId, std::uint32_t extendedStyle) {
  dialog.AddListStyle(listId, extendedStyle);
}

void InsertColumns(ui::Dialog& dialog, int listId, std::span<const ColumnSpec> columns,
                   std::span<const int> savedWidths) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int saved = i < savedWidths.size() ? savedWidths[i] : 0;
    dialog.AddColumn(listId, columns[i].title, saved > 0 ? saved : columns[i].defaultWidth);
    if (columns[i].align != ColumnAlign::kLeft)
      dialog.SetColumnAlign(listId, static_cast<int>(i), columns[i].align);
  }
}

void ReadColumnWidths(const ui::Dialog& dialog, int listId, std::span<int> widths) {
  const int count = std::min<int>(dialog.ColumnCount(listId), static_cast<int>(widths.size()));
  for (int i = 0; i < count; ++i) {
    widths[static_cast<std::size_t>(i)] = dialog.ColumnWidth(listId, i);
  }
}

void ProgressBox::OnCommand(ui::Dialog&, int commandId) {
  if (commandId == ui::kIdCancel) cancelRequested_ = true;
}

void OpenHelpOrComplain(ui::Ui& ui, const std::string& helpFile) {
  if (ui.OpenHelp(helpFile)) return;
  ui::MessageRequest message;
  message.text = "Unable to activate help";
  message.caption = ui::Caption::TelvaneError;
  message.icon = ui::Icon::Stop;
  ui.ShowMessage(message);
}

}  // namespace telvane::ui
