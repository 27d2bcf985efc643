// A dialog of the headless backend: every control of its template held in memory, its
// menu bar's state, its timers; and the user input a script gives it.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"
#include "ui/headless/control_state.h"
#include "ui/resources.h"

namespace telvane::ui::headless {

// User input that a person could not give: no such control, a disabled one, a value out
// of range. The script runner reports it as a script error.
class InputRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class HeadlessDialog final : public Dialog {
 public:
  // `onClose` runs once when the window closes (End, or destruction of an open window).
  HeadlessDialog(const DialogTemplate& dialogTemplate, DialogHandler& handler,
                 const Resources& resources, int languageId, std::function<void()> onClose = {});
  ~HeadlessDialog() override;
  HeadlessDialog(const HeadlessDialog&) = delete;
  HeadlessDialog& operator=(const HeadlessDialog&) = delete;

  // Inspection, for the script runner and tests.
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  bool AcceptsFiles() const { return acceptsFiles_; }
  int FocusedControl() const { return focusedControl_; }
  int ShownPopupMenu() const { return popupMenu_; }  // 0: none showing
  const std::map<int, int>& Timers() const { return timers_; }
  const ControlState* Control(int id) const;               // null for an unknown id
  const MenuCommandState* MenuCommand(int command) const;  // the menu bar's; null if none
  const DialogTemplate& Template() const { return template_; }
  DialogHandler& Handler() { return handler_; }

  // User input (headless_dialog_input.cpp). Each first checks that a user could do it and
  // throws InputRefused otherwise, then changes the state and calls the handler.
  void Click(int id);  // a button, check box or radio button; else a menu command
  void SetCheck(int id, bool checked);
  void TypeText(int id, std::string_view text);
  void SelectItem(int id, int index);
  void SelectRows(int id, const std::vector<int>& rows);
  void DoubleClick(int id, int row);
  void PressKey(int id, Key key);
  void ClickHeader(int id, int column);
  // Edits the first cell of `row` in place (the list needs LVS_EDITLABELS): the click that
  // starts the edit makes the row the only selected and focused one; then EditEnded.
  void EditCell(int id, int row, std::string_view text);
  void RightClick(int id);
  void MoveUpDown(int id, int delta);
  void PickDate(int id, Date date);
  void PickTime(int id, Time time);
  void DropFiles(const std::vector<std::string>& paths);
  void FireTimer(int timerId);
  void PressCloseBox();
  // Any input but a click closes a pop-up menu that is showing.
  void DismissPopupMenu();

  // Dialog
  int TemplateId() const override { return template_.id; }
  void End(int result) override;
  void SetCaption(std::string_view text) override { caption_ = text; }
  std::string Caption() const override { return caption_; }
  void EnableWindow(bool enabled) override { windowEnabled_ = enabled; }
  bool IsWindowEnabled() const override { return windowEnabled_; }
  Rect WindowRect() const override { return rect_; }
  void MoveWindow(int x, int y) override;
  void AcceptFiles(bool accept) override { acceptsFiles_ = accept; }

  bool HasControl(int id) const override { return Control(id) != nullptr; }
  void SetText(int id, std::string_view text) override;
  std::string Text(int id) const override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) const override;
  void Show(int id, bool visible) override;
  void SetFocus(int id) override;
  void AddTooltip(int id, int stringId) override;
  void SetTooltipText(int id, std::string_view text) override;
  void SetTextLimit(int id, int maxCharacters) override;
  void SetChecked(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void SetRange(int id, int low, int high) override;
  void SetPos(int id, int position) override;
  int Pos(int id) const override;
  void SetBitmap(int id, int bitmapId) override;
  int Bitmap(int id) const override;
  void SetDate(int id, Date date) override;
  Date GetDate(int id) const override;
  void SetBoldDay(int id, std::optional<Date> day) override;
  std::optional<Date> BoldDay(int id) const override;
  void SetTime(int id, Time time) override;
  Time GetTime(int id) const override;

  void ClearItems(int id) override;
  int AddItem(int id, std::string_view text) override;
  void RemoveItem(int id, int index) override;
  int ItemCount(int id) const override;
  std::string ItemText(int id, int index) const override;
  void SetItemData(int id, int index, std::int64_t data) override;
  std::int64_t ItemData(int id, int index) const override;
  int CurrentItem(int id) const override;
  void SetCurrentItem(int id, int index) override;

  void AddListStyle(int id, std::uint32_t extendedStyle) override;
  std::uint32_t ListStyle(int id) const override;
  void AddColumn(int id, std::string_view title, int width) override;
  void SetColumnAlign(int id, int column, ColumnAlign align) override;
  ColumnAlign ColumnAlignment(int id, int column) const override;
  int ColumnCount(int id) const override;
  int ColumnWidth(int id, int column) const override;
  void SetColumnWidth(int id, int column, int width) override;
  int InsertRow(int id, int row, std::string_view firstCell, std::int64_t data = 0) override;
  void SetCell(int id, int row, int column, std::string_view text) override;
  std::string Cell(int id, int row, int column) const override;
  void SetRowData(int id, int row, std::int64_t data) override;
  std::int64_t RowData(int id, int row) const override;
  int RowCount(int id) const override;
  void DeleteRow(int id, int row) override;
  void DeleteAllRows(int id) override;
  std::vector<int> SelectedRows(int id) const override;
  void SelectRow(int id, int row, bool selected) override;
  int FocusedRow(int id) const override;
  void SetFocusedRow(int id, int row) override;
  void SortRows(int id, const std::function<bool(const ListRow&, const ListRow&)>& less) override;

  void EnableMenuItem(int commandId, bool enabled) override;
  bool IsMenuItemEnabled(int commandId) const override;
  void CheckMenuItem(int commandId, bool checked) override;
  void ShowPopupMenu(int menuId) override;
  void ShowPopupMenu(const MenuTemplate& menu) override;

  void SetTimer(int timerId, int milliseconds) override;
  void KillTimer(int timerId) override;

 private:
  ControlState* Find(int id);
  ControlState* FindOf(int id, std::initializer_list<ControlKind> kinds);
  const ControlState* FindOf(int id, std::initializer_list<ControlKind> kinds) const;
  // The edit before an up-down with UDS_SETBUDDYINT, which shows its position.
  const ControlState* Buddy(const ControlState& upDown) const;
  ControlState* Buddy(const ControlState& upDown);
  void UncheckGroupExcept(const ControlState& radio);
  // For user input: the control, which must exist, be of one of `kinds`, visible, enabled.
  ControlState& Usable(int id, std::initializer_list<ControlKind> kinds, std::string_view verb);
  ControlState& UsableListView(int id, std::string_view verb);
  void RequireWindowEnabled(std::string_view verb) const;
  void ChooseMenuCommand(int command);

  DialogTemplate template_;
  DialogHandler& handler_;
  const Resources& resources_;
  int languageId_;
  std::function<void()> onClose_;
  std::string caption_;
  Rect rect_;
  std::vector<ControlState> controls_;
  std::map<int, std::size_t> controlIndex_;
  std::map<int, MenuCommandState> menuBar_;
  std::map<int, MenuCommandState> popupCommands_;
  int popupMenu_ = 0;
  std::map<int, int> timers_;
  bool ended_ = false;
  int result_ = 0;
  bool windowEnabled_ = true;
  bool acceptsFiles_ = false;
  int focusedControl_ = 0;
};

}  // namespace telvane::ui::headless
