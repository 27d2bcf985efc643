// A window built from a dialog template, its controls addressed by their ids, and the
// handler that receives its events. Windows of every subsystem are written against this
// interface; the Qt backend and the headless backend implement it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::ui {

class Dialog;
struct MenuTemplate;

// Standard command ids of dialog buttons and message box answers.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Extended list view style: the whole row is selected and highlighted.
inline constexpr std::uint32_t kListFullRowSelect = 0x20;

enum class Key { None, Delete, F3, Escape, Enter };

enum class EventKind {
  Changed,           // an edit's text changed, an up-down or a picker moved
  SelectionChanged,  // a combo box, list box or list view row selection changed
  DoubleClicked,     // a list view row (row set) or list box item
  RightClicked,      // a list view or list box (row set when on a row, else -1)
  KeyPressed,        // a key in a list view
  HeaderClicked,     // a list view column header (column set)
  // An in-place edit of a cell of a list view with LVS_EDITLABELS ended with the user's
  // text (row, column and text set). The cell keeps its old text until the window stores
  // the new one; an edit the user cancels sends nothing.
  EditEnded,
};

// How a list view column places its texts (a number column stands right-aligned).
enum class ColumnAlign { kLeft, kRight };

struct ControlEvent {
  EventKind kind = EventKind::Changed;
  int controlId = 0;
  int row = -1;
  int column = -1;
  Key key = Key::None;
  std::string text{};  // EditEnded: the text the user left in the cell
};

struct Date {
  int year = 2001, month = 1, day = 1;
  bool operator==(const Date&) const = default;
};
struct Time {
  int hour = 0, minute = 0, second = 0;
  bool operator==(const Time&) const = default;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// What a window does. Every method has a do-nothing default except OnClose, which ends
// the dialog with kIdCancel.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  virtual void OnInit(Dialog&) {}
  // A button was pressed (a check box or radio button has already changed its state),
  // or a menu command was chosen, from the menu bar or a pop-up menu.
  virtual void OnCommand(Dialog&, int /*commandId*/) {}
  virtual void OnEvent(Dialog&, const ControlEvent&) {}
  virtual void OnTimer(Dialog&, int /*timerId*/) {}
  virtual void OnDropFiles(Dialog&, const std::vector<std::string>& /*paths*/) {}
  virtual void OnHelp(Dialog&) {}
  virtual void OnClose(Dialog& dialog);
};

// A row of a list view as a sort comparison sees it.
struct ListRow {
  std::vector<std::string> cells;
  std::int64_t data = 0;
};

class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual int TemplateId() const = 0;
  // Ends a modal dialog (RunModal returns `result`) or closes a modeless one.
  virtual void End(int result) = 0;
  virtual void SetCaption(std::string_view text) = 0;
  virtual std::string Caption() const = 0;

  // The window as a whole.
  virtual void EnableWindow(bool enabled) = 0;
  virtual bool IsWindowEnabled() const = 0;
  virtual Rect WindowRect() const = 0;  // pixels
  virtual void MoveWindow(int x, int y) = 0;
  virtual void AcceptFiles(bool accept) = 0;

  // Any control.
  virtual bool HasControl(int id) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;
  virtual std::string Text(int id) const = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Show(int id, bool visible) = 0;
  virtual void SetFocus(int id) = 0;
  virtual void AddTooltip(int id, int stringId) = 0;
  // A tooltip that is not in the string table (a device path); empty removes it.
  virtual void SetTooltipText(int id, std::string_view text) = 0;
  // Shows the control's text in the dialog's own font at `points` (value fields that are
  // read from a distance); backends without fonts ignore it.
  virtual void SetFontSize(int /*id*/, int /*points*/) {}

  // Edits.
  virtual void SetTextLimit(int id, int maxCharacters) = 0;

  // Check boxes and radio buttons.
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;

  // Up-down controls, progress bars.
  virtual void SetRange(int id, int low, int high) = 0;
  virtual void SetPos(int id, int position) = 0;
  virtual int Pos(int id) const = 0;

  // Bitmap buttons and picture frames: a bitmap of the program's resources by number.
  virtual void SetBitmap(int id, int bitmapId) = 0;
  virtual int Bitmap(int id) const = 0;

  // Calendars and time pickers.
  virtual void SetDate(int id, Date date) = 0;
  virtual Date GetDate(int id) const = 0;
  virtual void SetTime(int id, Time time) = 0;
  virtual Time GetTime(int id) const = 0;
  // Calendars: the day drawn bold (a day the window marks as chosen); none clears it.
  virtual void SetBoldDay(int id, std::optional<Date> day) = 0;
  virtual std::optional<Date> BoldDay(int id) const = 0;

  // List boxes and combo boxes.
  virtual void ClearItems(int id) = 0;
  virtual int AddItem(int id, std::string_view text) = 0;  // index of the new item
  virtual void RemoveItem(int id, int index) = 0;
  virtual int ItemCount(int id) const = 0;
  virtual std::string ItemText(int id, int index) const = 0;
  virtual void SetItemData(int id, int index, std::int64_t data) = 0;
  virtual std::int64_t ItemData(int id, int index) const = 0;
  virtual int CurrentItem(int id) const = 0;  // -1 when none
  virtual void SetCurrentItem(int id, int index) = 0;

  // List views.
  virtual void AddListStyle(int id, std::uint32_t extendedStyle) = 0;
  virtual std::uint32_t ListStyle(int id) const = 0;
  virtual void AddColumn(int id, std::string_view title, int width) = 0;
  virtual void SetColumnAlign(int id, int column, ColumnAlign align) = 0;
  virtual ColumnAlign ColumnAlignment(int id, int column) const = 0;
  virtual int ColumnCount(int id) const = 0;
  virtual int ColumnWidth(int id, int column) const = 0;
  virtual void SetColumnWidth(int id, int column, int width) = 0;
  virtual int InsertRow(int id, int row, std::string_view firstCell, std::int64_t data = 0) = 0;
  virtual void SetCell(int id, int row, int column, std::string_view text) = 0;
  virtual std::string Cell(int id, int row, int column) const = 0;
  virtual void SetRowData(int id, int row, std::int64_t data) = 0;
  virtual std::int64_t RowData(int id, int row) const = 0;
  virtual int RowCount(int id) const = 0;
  virtual void DeleteRow(int id, int row) = 0;
  virtual void DeleteAllRows(int id) = 0;
  virtual std::vector<int> SelectedRows(int id) const = 0;
  virtual void SelectRow(int id, int row, bool selected) = 0;
  virtual int FocusedRow(int id) const = 0;  // -1 when none
  virtual void SetFocusedRow(int id, int row) = 0;
  // Reorders the rows; `less` compares two rows.
  virtual void SortRows(int id,
                        const std::function<bool(const ListRow&, const ListRow&)>& less) = 0;

  // The menu bar.
  virtual void EnableMenuItem(int commandId, bool enabled) = 0;
  virtual bool IsMenuItemEnabled(int commandId) const = 0;
  virtual void CheckMenuItem(int commandId, bool checked) = 0;
  // Shows pop-up menu `menuId` (its first pop-up) at the mouse; a chosen entry arrives
  // later as OnCommand.
  virtual void ShowPopupMenu(int menuId) = 0;
  // Shows the entries of `menu` as a pop-up at the mouse (a window that builds its
  // pop-ups from parts of a menu resource).
  virtual void ShowPopupMenu(const MenuTemplate& menu) = 0;

  // Timers: OnTimer(timerId) every `milliseconds` until killed or the window closes.
  virtual void SetTimer(int timerId, int milliseconds) = 0;
  virtual void KillTimer(int timerId) = 0;
};

}  // namespace telvane::ui
