// A dialog of the dialog layer as real Qt widgets: built from its template, its controls
// addressed by id, its events handed to the DialogHandler.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qt/dialog_units.h"
#include "qt/dialog_window.h"
#include "qt/menus.h"
#include "ui/dialog.h"
#include "ui/resources.h"

class QButtonGroup;
class QTimer;

namespace telvane::qt {

class ListView;
class WindowResizer;
class UpDown;

// Where a dialog finds its menus and tooltip texts. `resources` may be null (no
// pop-up menus, no tooltips).
struct DialogContext {
  const ui::Resources* resources = nullptr;
  int languageId = 9;
};

class QtDialog final : public ui::Dialog, private DialogWindowEvents {
 public:
  QtDialog(const ui::DialogTemplate& dialogTemplate, const ui::MenuTemplate* menu,
           ui::DialogHandler& handler, DialogContext context);
  ~QtDialog() override;
  QtDialog(const QtDialog&) = delete;
  QtDialog& operator=(const QtDialog&) = delete;

  // Runs OnInit, then the window modally until End(); returns the End() result.
  int Exec();
  // Runs OnInit and shows the window without waiting.
  void Open();
  bool Ended() const { return ended_; }
  QDialog& Window() const { return *window_; }
  // List windows: the user's size, never below the template's; nothing for dialogs.
  bool Resizable() const { return resizer_ != nullptr; }
  void ResizeWindow(QSize size);
  // The widget of control `id`, or null.
  QWidget* ControlWidget(int id) const;
  // Raises and focuses the window (after a child dialog returns).
  void Activate();

  // ui::Dialog
  int TemplateId() const override { return templateId_; }
  void End(int result) override;
  void SetCaption(std::string_view text) override;
  std::string Caption() const override;
  void EnableWindow(bool enabled) override;
  bool IsWindowEnabled() const override;
  ui::Rect WindowRect() const override;
  void MoveWindow(int x, int y) override;
  void AcceptFiles(bool accept) override;

  bool HasControl(int id) const override;
  void SetText(int id, std::string_view text) override;
  std::string Text(int id) const override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) const override;
  void Show(int id, bool visible) override;
  void SetFocus(int id) override;
  void AddTooltip(int id, int stringId) override;
  void SetTooltipText(int id, std::string_view text) override;
  void SetFontSize(int id, int points) override;
  void SetTextLimit(int id, int maxCharacters) override;
  void SetChecked(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void SetRange(int id, int low, int high) override;
  void SetPos(int id, int position) override;
  int Pos(int id) const override;
  void SetBitmap(int id, int bitmapId) override;
  int Bitmap(int id) const override;
  void SetDate(int id, ui::Date date) override;
  ui::Date GetDate(int id) const override;
  void SetBoldDay(int id, std::optional<ui::Date> day) override;
  std::optional<ui::Date> BoldDay(int id) const override;
  void SetTime(int id, ui::Time time) override;
  ui::Time GetTime(int id) const override;

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
  void SetColumnAlign(int id, int column, ui::ColumnAlign align) override;
  ui::ColumnAlign ColumnAlignment(int id, int column) const override;
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
  void SortRows(int id,
                const std::function<bool(const ui::ListRow&, const ui::ListRow&)>& less) override;

  void EnableMenuItem(int commandId, bool enabled) override;
  bool IsMenuItemEnabled(int commandId) const override;
  void CheckMenuItem(int commandId, bool checked) override;
  void ShowPopupMenu(int menuId) override;
  void ShowPopupMenu(const ui::MenuTemplate& menu) override;

  void SetTimer(int timerId, int milliseconds) override;
  void KillTimer(int timerId) override;

 private:
  struct Control {
    ui::ControlKind kind = ui::ControlKind::Static;
    int id = -1;
    QWidget* widget = nullptr;
    std::string text;  // statics and pictures: the text as set, "&" marks included
    int bitmap = 0;
    std::optional<ui::Date> boldDay;  // calendars: the day drawn bold
    int textLimit = 0;                // edits: 0 for none
    bool settingText = false;         // the program is setting an edit's text
    bool defaultButton = false;
    bool notify = false;  // a static that reports clicks as commands (SS_NOTIFY)
  };

  void BuildControls(const ui::DialogTemplate& dialogTemplate, QWidget& client);
  void FitUnitsToTexts(const ui::DialogTemplate& dialogTemplate);
  // Grows the control in place to its text's needs; false when there is no room for that.
  bool GrowToText(QWidget& widget, const ui::DialogTemplate& dialogTemplate,
                  const std::vector<QWidget*>& widgets) const;
  void GroupRadioButtons(const ui::DialogTemplate& dialogTemplate);
  // Hands the control's signals to the handler as commands and events, by its kind.
  void Connect(Control& control);
  void ConnectButton(Control& control);
  void ConnectLabel(Control& control);
  void ConnectEdit(Control& control);
  void ConnectListView(Control& control);
  void ConnectListBox(Control& control);
  void ConnectComboBox(Control& control);
  void ConnectUpDown(Control& control);
  void ConnectCalendar(Control& control);
  void ConnectTimePicker(Control& control);
  void ConnectUpDownBuddy(const Control& buddy, UpDown& upDown);
  // Reports a Changed event of control `id`.
  std::function<void()> Changed(int id);
  const Control* Find(int id) const;
  Control* Find(int id);
  ListView* List(int id) const;

  // Handler calls: guarded so the window outlives a call that destroys this dialog.
  template <typename Call>
  void Dispatch(Call&& call);
  void Command(int commandId);
  void Event(const ui::ControlEvent& event);

  // DialogWindowEvents
  void CloseBoxPressed() override;
  void HelpKeyPressed() override;
  void EscapePressed() override;
  void EnterPressed() override;
  void FilesDropped(const std::vector<std::string>& paths) override;
  void WindowResized() override;
  // A list window grows with its frame from its template size; other windows keep it.
  void SetUpSizing(QSize clientSize);

  int templateId_;
  ui::DialogHandler& handler_;
  DialogContext context_;
  // Owns every connection to the handler: deleting it cuts them all.
  std::unique_ptr<QObject> connections_;
  DialogWindow* window_;  // deleted by the destructor (later when inside a handler call)
  std::unique_ptr<DialogUnits> units_;
  QWidget* client_ = nullptr;
  QWidget* menuBar_ = nullptr;
  std::unique_ptr<WindowResizer> resizer_;  // list windows only
  std::vector<Control> controls_;           // template order
  CommandActions menuActions_;
  std::map<int, QTimer*> timers_;
  std::vector<QButtonGroup*> radioGroups_;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace telvane::qt
