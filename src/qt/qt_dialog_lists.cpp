// List boxes, combo boxes and list views.
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include "qt/list_view.h"
#include "qt/qt_dialog.h"
#include "qt/text.h"

namespace telvane::qt {

using ui::ControlKind;

namespace {

constexpr int kDataRole = Qt::UserRole;

// Where a sorted list inserts `text`: after the items that compare lower, ignoring case.
template <typename TextAt>
int SortedPosition(int count, const QString& text, TextAt textAt) {
  int at = 0;
  while (at < count && QString::compare(textAt(at), text, Qt::CaseInsensitive) <= 0) ++at;
  return at;
}

}  // namespace

void QtDialog::ClearItems(int id) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  const QSignalBlocker blocker(control->widget);
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) list->clear();
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) combo->clear();
}

int QtDialog::AddItem(int id, std::string_view text) {
  const Control* control = Find(id);
  if (control == nullptr) return -1;
  const QString item = ToQt(text);
  const bool sorted = control->widget->property("telvaneSorted").toBool();
  const QSignalBlocker blocker(control->widget);
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) {
    const int at = sorted ? SortedPosition(list->count(), item,
                                           [list](int row) { return list->item(row)->text(); })
                          : list->count();
    list->insertItem(at, item);
    return at;
  }
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
    const int at = sorted ? SortedPosition(combo->count(), item,
                                           [combo](int row) { return combo->itemText(row); })
                          : combo->count();
    combo->insertItem(at, item, QVariant::fromValue<qint64>(0));
    // A drop-down list shows nothing until the program chooses an item.
    if (!combo->isEditable() && combo->count() == 1) combo->setCurrentIndex(-1);
    return at;
  }
  return -1;
}

void QtDialog::RemoveItem(int id, int index) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  const QSignalBlocker blocker(control->widget);
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) {
    if (index >= 0 && index < list->count()) delete list->takeItem(index);
  }
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
    if (index >= 0 && index < combo->count()) combo->removeItem(index);
  }
}

int QtDialog::ItemCount(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return 0;
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) return list->count();
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) return combo->count();
  return 0;
}

std::string QtDialog::ItemText(int id, int index) const {
  const Control* control = Find(id);
  if (control == nullptr) return {};
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) {
    const QListWidgetItem* item = list->item(index);
    return item != nullptr ? FromQt(item->text()) : std::string();
  }
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
    return index >= 0 && index < combo->count() ? FromQt(combo->itemText(index)) : std::string();
  }
  return {};
}

void QtDialog::SetItemData(int id, int index, std::int64_t data) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) {
    if (QListWidgetItem* item = list->item(index)) {
      item->setData(kDataRole, QVariant::fromValue<qint64>(data));
    }
  }
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
    if (index >= 0 && index < combo->count()) {
      combo->setItemData(index, QVariant::fromValue<qint64>(data));
    }
  }
}

std::int64_t QtDialog::ItemData(int id, int index) const {
  const Control* control = Find(id);
  if (control == nullptr) return 0;
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) {
    const QListWidgetItem* item = list->item(index);
    return item != nullptr ? item->data(kDataRole).toLongLong() : 0;
  }
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
    return index >= 0 && index < combo->count() ? combo->itemData(index).toLongLong() : 0;
  }
  return 0;
}

int QtDialog::CurrentItem(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return -1;
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) return list->currentRow();
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) return combo->currentIndex();
  return -1;
}

void QtDialog::SetCurrentItem(int id, int index) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  const QSignalBlocker blocker(control->widget);
  if (auto* list = qobject_cast<QListWidget*>(control->widget)) {
    list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
  }
  if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  }
}

ListView* QtDialog::List(int id) const {
  const Control* control = Find(id);
  return control != nullptr && control->kind == ControlKind::ListView
             ? dynamic_cast<ListView*>(control->widget)
             : nullptr;
}

void QtDialog::AddListStyle(int id, std::uint32_t extendedStyle) {
  if (ListView* list = List(id)) list->AddExtendedStyle(extendedStyle);
}

std::uint32_t QtDialog::ListStyle(int id) const {
  const ListView* list = List(id);
  return list != nullptr ? list->ExtendedStyle() : 0;
}

void QtDialog::AddColumn(int id, std::string_view title, int width) {
  if (ListView* list = List(id)) list->AddColumn(title, width);
}

void QtDialog::SetColumnAlign(int id, int column, ui::ColumnAlign align) {
  if (ListView* list = List(id)) list->SetColumnAlign(column, align);
}

ui::ColumnAlign QtDialog::ColumnAlignment(int id, int column) const {
  const ListView* list = List(id);
  return list ? list->ColumnAlignment(column) : ui::ColumnAlign::kLeft;
}

int QtDialog::ColumnCount(int id) const {
  const ListView* list = List(id);
  return list != nullptr ? list->columnCount() : 0;
}

int QtDialog::ColumnWidth(int id, int column) const {
  const ListView* list = List(id);
  return list != nullptr ? list->ColumnWidth(column) : 0;
}

void QtDialog::SetColumnWidth(int id, int column, int width) {
  if (ListView* list = List(id)) list->SetColumnWidth(column, width);
}

int QtDialog::InsertRow(int id, int row, std::string_view firstCell, std::int64_t data) {
  ListView* list = List(id);
  return list != nullptr ? list->InsertRow(row, firstCell, data) : -1;
}

void QtDialog::SetCell(int id, int row, int column, std::string_view text) {
  if (ListView* list = List(id)) list->SetCell(row, column, text);
}

std::string QtDialog::Cell(int id, int row, int column) const {
  const ListView* list = List(id);
  return list != nullptr ? list->Cell(row, column) : std::string();
}

void QtDialog::SetRowData(int id, int row, std::int64_t data) {
  if (ListView* list = List(id)) list->SetRowData(row, data);
}

std::int64_t QtDialog::RowData(int id, int row) const {
  const ListView* list = List(id);
  return list != nullptr ? list->RowData(row) : 0;
}

int QtDialog::RowCount(int id) const {
  const ListView* list = List(id);
  return list != nullptr ? list->RowCount() : 0;
}

void QtDialog::DeleteRow(int id, int row) {
  if (ListView* list = List(id)) list->DeleteRow(row);
}

void QtDialog::DeleteAllRows(int id) {
  if (ListView* list = List(id)) list->DeleteAllRows();
}

std::vector<int> QtDialog::SelectedRows(int id) const {
  const ListView* list = List(id);
  return list != nullptr ? list->SelectedRows() : std::vector<int>();
}

void QtDialog::SelectRow(int id, int row, bool selected) {
  if (ListView* list = List(id)) list->SelectRow(row, selected);
}

int QtDialog::FocusedRow(int id) const {
  const ListView* list = List(id);
  return list != nullptr ? list->FocusedRow() : -1;
}

void QtDialog::SetFocusedRow(int id, int row) {
  if (ListView* list = List(id)) list->SetFocusedRow(row);
}

void QtDialog::SortRows(int id,
                        const std::function<bool(const ui::ListRow&, const ui::ListRow&)>& less) {
  if (ListView* list = List(id)) list->SortRows(less);
}

}  // namespace telvane::qt
