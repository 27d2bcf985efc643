#include "qt/list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>
#include <numeric>

#include "qt/text.h"

namespace telvane::qt {
namespace {

constexpr int kDataRole = Qt::UserRole;

Qt::Alignment QtAlignment(ui::ColumnAlign align) {
  return (align == ui::ColumnAlign::kRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

// Without full-row selection only the first cell of a selected row is highlighted. In an
// editable list the first cell gets an editor whose text goes to the window, not the cell.
class FirstCellSelectionDelegate : public QStyledItemDelegate {
 public:
  FirstCellSelectionDelegate(ListView& list, QObject* parent)
      : QStyledItemDelegate(parent), list_(list) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    if (!list_.FirstCellEditable() || index.column() != 0) return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
  }
  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (line != nullptr) list_.EndFirstCellEdit(index.row(), FromQt(line->text()));
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() > 0 && (list_.ExtendedStyle() & ui::kListFullRowSelect) == 0) {
      option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
  }

 private:
  ListView& list_;
};

}  // namespace

ListView::ListView(int controlId, bool singleSelection, QWidget* parent)
    : QTreeWidget(parent), controlId_(controlId) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(singleSelection ? QAbstractItemView::SingleSelection
                                   : QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setColumnCount(0);
  setHeaderLabels({});
  header()->setStretchLastSection(false);
  header()->setSectionsClickable(true);
  header()->setSectionsMovable(false);
  // Columns take the widths the program gives, however narrow, so that they are read back
  // unchanged (the style's minimum would widen a narrow column on every run).
  header()->setMinimumSectionSize(0);
  // A cut text always shows its ellipsis, in the cells and in the header.
  setTextElideMode(Qt::ElideRight);
  header()->setTextElideMode(Qt::ElideRight);
  setItemDelegate(new FirstCellSelectionDelegate(*this, this));

  connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int) {
    if (column != columnCount() - 1) FillLastColumn();
  });
  connect(header(), &QHeaderView::sectionClicked, this,
          [this](int column) { Send(ui::EventKind::HeaderClicked, -1, column); });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
    Send(ui::EventKind::DoubleClicked, indexOfTopLevelItem(item));
  });
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (quiet_ == 0) Send(ui::EventKind::SelectionChanged, FocusedRow());
  });
}

void ListView::Send(ui::EventKind kind, int row, int column, ui::Key key) {
  if (!sink_) return;
  ui::ControlEvent event;
  event.kind = kind;
  event.controlId = controlId_;
  event.row = row;
  event.column = column;
  event.key = key;
  sink_(event);
}

void ListView::AllowFirstCellEdit() {
  firstCellEditable_ = true;
  setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  for (int row = 0; row < topLevelItemCount(); ++row) {
    topLevelItem(row)->setFlags(topLevelItem(row)->flags() | Qt::ItemIsEditable);
  }
}

void ListView::EndFirstCellEdit(int row, const std::string& text) {
  if (sink_ == nullptr || Row(row) == nullptr) return;
  ui::ControlEvent event;
  event.kind = ui::EventKind::EditEnded;
  event.controlId = controlId_;
  event.row = row;
  event.column = 0;
  event.text = text;
  sink_(event);
}

void ListView::AddExtendedStyle(std::uint32_t style) {
  extendedStyle_ |= style;
  setAllColumnsShowFocus((extendedStyle_ & ui::kListFullRowSelect) != 0);
  viewport()->update();
}

void ListView::AddColumn(std::string_view title, int width) {
  const int column = columnCount();
  setColumnCount(column + 1);
  headerItem()->setText(column, ToQt(title));
  // The former last column gives back the room it took.
  if (column > 0) setColumnWidth(column - 1, lastColumnWidth_);
  lastColumnWidth_ = std::max(0, width);
  FillLastColumn();
}

void ListView::FillLastColumn() {
  const int last = columnCount() - 1;
  if (last < 0 || filling_) return;
  filling_ = true;
  int others = 0;
  for (int column = 0; column < last; ++column) others += columnWidth(column);
  setColumnWidth(last, std::max(lastColumnWidth_, viewport()->width() - others));
  filling_ = false;
}

void ListView::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  FillLastColumn();
}

void ListView::SetColumnAlign(int column, ui::ColumnAlign align) {
  if (column < 0 || column >= columnCount()) return;
  if (static_cast<int>(alignments_.size()) <= column)
    alignments_.resize(static_cast<std::size_t>(column) + 1, ui::ColumnAlign::kLeft);
  alignments_[static_cast<std::size_t>(column)] = align;
  const Qt::Alignment placed = QtAlignment(align);
  headerItem()->setTextAlignment(column, placed);
  for (int row = 0; row < topLevelItemCount(); ++row)
    topLevelItem(row)->setTextAlignment(column, placed);
}

ui::ColumnAlign ListView::ColumnAlignment(int column) const {
  return column >= 0 && column < static_cast<int>(alignments_.size())
             ? alignments_[static_cast<std::size_t>(column)]
             : ui::ColumnAlign::kLeft;
}

int ListView::ColumnWidth(int column) const {
  if (column == columnCount() - 1) return lastColumnWidth_;
  return column >= 0 && column < columnCount() ? columnWidth(column) : 0;
}

void ListView::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= columnCount()) return;
  if (column == columnCount() - 1) {
    lastColumnWidth_ = std::max(0, width);
    FillLastColumn();
    return;
  }
  setColumnWidth(column, std::max(0, width));
}

QTreeWidgetItem* ListView::Row(int row) const {
  return row >= 0 && row < topLevelItemCount() ? topLevelItem(row) : nullptr;
}

int ListView::InsertRow(int row, std::string_view firstCell, std::int64_t data) {
  const int at = std::clamp(row, 0, topLevelItemCount());
  auto* item = new QTreeWidgetItem;
  item->setText(0, ToQt(firstCell));
  item->setData(0, kDataRole, QVariant::fromValue<qint64>(data));
  for (std::size_t column = 0; column < alignments_.size(); ++column)
    item->setTextAlignment(static_cast<int>(column), QtAlignment(alignments_[column]));
  if (firstCellEditable_) item->setFlags(item->flags() | Qt::ItemIsEditable);
  const QSignalBlocker blocker(this);
  insertTopLevelItem(at, item);
  return at;
}

void ListView::SetCell(int row, int column, std::string_view text) {
  if (QTreeWidgetItem* item = Row(row); item != nullptr && column >= 0) {
    item->setText(column, ToQt(text));
  }
}

std::string ListView::Cell(int row, int column) const {
  const QTreeWidgetItem* item = Row(row);
  return item != nullptr && column >= 0 ? FromQt(item->text(column)) : std::string();
}

void ListView::SetRowData(int row, std::int64_t data) {
  if (QTreeWidgetItem* item = Row(row)) {
    item->setData(0, kDataRole, QVariant::fromValue<qint64>(data));
  }
}

std::int64_t ListView::RowData(int row) const {
  const QTreeWidgetItem* item = Row(row);
  return item != nullptr ? item->data(0, kDataRole).toLongLong() : 0;
}

void ListView::DeleteRow(int row) {
  if (Row(row) == nullptr) return;
  ++quiet_;
  delete takeTopLevelItem(row);
  --quiet_;
}

void ListView::DeleteAllRows() {
  ++quiet_;
  clear();
  --quiet_;
}

std::vector<int> ListView::SelectedRows() const {
  std::vector<int> rows;
  for (int row = 0; row < topLevelItemCount(); ++row) {
    if (topLevelItem(row)->isSelected()) rows.push_back(row);
  }
  return rows;
}

void ListView::SelectRow(int row, bool selected) {
  if (QTreeWidgetItem* item = Row(row)) {
    ++quiet_;
    item->setSelected(selected);
    --quiet_;
  }
}

int ListView::FocusedRow() const {
  QTreeWidgetItem* item = currentItem();
  return item != nullptr ? indexOfTopLevelItem(item) : -1;
}

void ListView::SetFocusedRow(int row) {
  ++quiet_;
  setCurrentItem(Row(row), 0, QItemSelectionModel::NoUpdate);
  if (QTreeWidgetItem* item = Row(row)) scrollToItem(item);
  --quiet_;
}

void ListView::SortRows(const std::function<bool(const ui::ListRow&, const ui::ListRow&)>& less) {
  const int count = topLevelItemCount();
  if (count < 2 || !less) return;
  QTreeWidgetItem* focused = currentItem();
  std::vector<ui::ListRow> rows(static_cast<std::size_t>(count));
  for (int row = 0; row < count; ++row) {
    const QTreeWidgetItem* item = topLevelItem(row);
    auto& listRow = rows[static_cast<std::size_t>(row)];
    listRow.data = item->data(0, kDataRole).toLongLong();
    for (int column = 0; column < std::max(columnCount(), item->columnCount()); ++column) {
      listRow.cells.push_back(FromQt(item->text(column)));
    }
  }
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return less(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
  });

  ++quiet_;
  std::vector<bool> selected;
  for (int row = 0; row < count; ++row) selected.push_back(topLevelItem(row)->isSelected());
  std::vector<QTreeWidgetItem*> items(static_cast<std::size_t>(count));
  for (int row = count - 1; row >= 0; --row) {
    items[static_cast<std::size_t>(row)] = takeTopLevelItem(row);
  }
  for (const int from : order) addTopLevelItem(items[static_cast<std::size_t>(from)]);
  for (const int from : order) {
    items[static_cast<std::size_t>(from)]->setSelected(selected[static_cast<std::size_t>(from)]);
  }
  if (focused != nullptr) setCurrentItem(focused, 0, QItemSelectionModel::NoUpdate);
  --quiet_;
}

void ListView::keyPressEvent(QKeyEvent* event) {
  ui::Key key = ui::Key::None;
  switch (event->key()) {
    case Qt::Key_Delete: key = ui::Key::Delete; break;
    case Qt::Key_F3: key = ui::Key::F3; break;
    case Qt::Key_Escape: key = ui::Key::Escape; break;
    default: break;
  }
  if (key == ui::Key::None) {
    QTreeWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  Send(ui::EventKind::KeyPressed, FocusedRow(), -1, key);
}

void ListView::contextMenuEvent(QContextMenuEvent* event) {
  // A mouse click arrives through the viewport, in its coordinates; the menu key has no
  // position and means the focused row.
  QTreeWidgetItem* item =
      event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
  event->accept();
  Send(ui::EventKind::RightClicked, item != nullptr ? indexOfTopLevelItem(item) : -1);
}

}  // namespace telvane::qt
