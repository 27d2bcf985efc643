// A report-style list view: columns, rows of text cells, a 64-bit value per row,
// multi-selection, a focused row and the key, click and header events of the program's
// lists.
#pragma once

#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"

namespace telvane::qt {

class ListView : public QTreeWidget {
 public:
  using EventSink = std::function<void(const ui::ControlEvent&)>;

  ListView(int controlId, bool singleSelection, QWidget* parent);

  // Where the list's events go (header clicks, double and right clicks, keys, selection).
  void SetEventSink(EventSink sink) { sink_ = std::move(sink); }

  // The first cell of a row can be edited in place (LVS_EDITLABELS): a click on the
  // selected row or F2 opens the editor; Enter or leaving it ends the edit with EditEnded,
  // Escape cancels it. The cell keeps its text until the window stores the new one.
  void AllowFirstCellEdit();
  bool FirstCellEditable() const { return firstCellEditable_; }
  // An edit the delegate ends with the user's text.
  void EndFirstCellEdit(int row, const std::string& text);

  void AddExtendedStyle(std::uint32_t style);
  std::uint32_t ExtendedStyle() const { return extendedStyle_; }

  void AddColumn(std::string_view title, int width);
  // Places the column's header and cells, also of rows inserted later.
  void SetColumnAlign(int column, ui::ColumnAlign align);
  ui::ColumnAlign ColumnAlignment(int column) const;
  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int width);

  int InsertRow(int row, std::string_view firstCell, std::int64_t data);
  void SetCell(int row, int column, std::string_view text);
  std::string Cell(int row, int column) const;
  void SetRowData(int row, std::int64_t data);
  std::int64_t RowData(int row) const;
  int RowCount() const { return topLevelItemCount(); }
  void DeleteRow(int row);
  void DeleteAllRows();

  std::vector<int> SelectedRows() const;
  void SelectRow(int row, bool selected);
  int FocusedRow() const;
  void SetFocusedRow(int row);
  void SortRows(const std::function<bool(const ui::ListRow&, const ui::ListRow&)>& less);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTreeWidgetItem* Row(int row) const;
  // The last column shows at least its own width and takes what the others leave free.
  void FillLastColumn();
  void Send(ui::EventKind kind, int row = -1, int column = -1, ui::Key key = ui::Key::None);

  int controlId_;
  std::uint32_t extendedStyle_ = 0;
  bool firstCellEditable_ = false;
  EventSink sink_;
  std::vector<ui::ColumnAlign> alignments_;  // by column; missing ones are left-aligned
  // Programmatic selection changes send no event; only the user's do.
  int quiet_ = 0;
  int lastColumnWidth_ = 0;  // the last column's own width, read back unchanged
  bool filling_ = false;
};

}  // namespace telvane::qt
