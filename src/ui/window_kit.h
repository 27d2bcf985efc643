// Small pieces every window uses the same way: centring, tooltip sets, full-row list
// views, saved column widths, the disable guard, and the progress, wait and sending boxes.
#pragma once

#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::ui {

// Centres the window in the work area, keeping its size: x = (right - width) / 2,
// y = (bottom - height) / 2. A window larger than the work area gets a negative place.
void CenterWindow(ui::Dialog& dialog, const ui::Rect& workArea);

struct Tooltip {
  int controlId;
  int stringId;
};
void AddTooltips(ui::Dialog& dialog, std::span<const Tooltip> tips);

// Adds the bits to the list view's extended style.
void AddListViewStyle(ui::Dialog& dialog, int listId, std::uint32_t extendedStyle);

// Inserts the columns with their saved widths; a saved 0 takes the column's default.
struct ColumnSpec {
  std::string_view title;
  int defaultWidth;
  ColumnAlign align = ColumnAlign::kLeft;
};
void InsertColumns(ui::Dialog& dialog, int listId, std::span<const ColumnSpec> columns,
                   std::span<const int> savedWidths);
// Copies each column's current width into `widths` (as many as both have).
void ReadColumnWidths(const ui::Dialog& dialog, int listId, std::span<int> widths);

// Keeps a window disabled while a long command runs; enables it again when it goes.
class WindowDisabled {
 public:
  explicit WindowDisabled(ui::Dialog& window) : window_(window) { window_.EnableWindow(false); }
  ~WindowDisabled() { window_.EnableWindow(true); }
  WindowDisabled(const WindowDisabled&) = delete;
  WindowDisabled& operator=(const WindowDisabled&) = delete;

 private:
  ui::Dialog& window_;
};

// Runs `work` with the window disabled and gives back what it returns.
template <std::invocable Work>
decltype(auto) WithWindowDisabled(ui::Dialog& window, Work&& work) {
  WindowDisabled disabled(window);
  return std::forward<Work>(work)();
}

// The modeless status boxes. The progress box records a Cancel; the others accept
// every command without action.
class ProgressBox : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 111;
  void OnCommand(ui::Dialog&, int commandId) override;
  void OnClose(ui::Dialog&) override {}
  bool CancelRequested() const { return cancelRequested_; }

 private:
  bool cancelRequested_ = false;
};

class WaitBox : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 116;
  static constexpr int kBar = 1222;
  static constexpr int kText = 1224;
  void OnClose(ui::Dialog&) override {}
};

// Opens the help file; "Unable to activate help" ("Telvane Error") when that fails.
void OpenHelpOrComplain(ui::Ui& ui, const std::string& helpFile);

class SendingBox : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 146;
  static constexpr int kText = 1212;
  void OnClose(ui::Dialog&) override {}
};

}  // namespace telvane::ui
