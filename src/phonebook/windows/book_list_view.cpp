#include "phonebook/windows/book_list_view.h"

#include <string>

namespace telvane::phonebook {

ColumnTitles ListColumnTitles(int languageId) {
  switch (languageId) {
    case 7: return {"Nr.", "Name", "Nummer"};
    case 10: return {"#", "Nombre", "Numero"};
    case 12: return {"#", "Nom", "Num\xE9ro"};
    case 16: return {"#", "Nome", "Numero"};
    case 19: return {"Nr.", "Naam", "Nummer"};
    case 20: return {"#", "Navn", "Nummer"};
    case 22: return {"#", "Nome", "Numero"};
    default: return {"#", "Name", "Number"};
  }
}

void BookListView::Append(const PhonebookEntry& entry, std::size_t slot) {
  const int row =
      dialog_.InsertRow(listId_, dialog_.RowCount(listId_), std::to_string(entry.position),
                        static_cast<std::int64_t>(slot));
  dialog_.SetCell(listId_, row, 1, entry.name);
  dialog_.SetCell(listId_, row, 2, entry.number);
}

void BookListView::Update(const PhonebookEntry& entry, std::size_t slot, bool deleted) {
  const int row = RowOfSlot(slot);
  if (row < 0) return;
  dialog_.SetCell(listId_, row, 0, std::to_string(entry.position));
  dialog_.SetCell(listId_, row, 1, deleted ? std::string() : entry.name);
  dialog_.SetCell(listId_, row, 2, deleted ? std::string() : entry.number);
}

void BookListView::Refill(const PhonebookStore& store) {
  dialog_.DeleteAllRows(listId_);
  for (std::size_t slot = 0; slot < store.entries.Count(); ++slot) {
    Append(store.entries[slot], slot);
    if (store.IsDeleted(slot)) Update(store.entries[slot], slot, true);
  }
}

void BookListView::Refill(const RedbookTable& redbook) {
  dialog_.DeleteAllRows(listId_);
  for (std::size_t slot = 0; slot < redbook.Count(); ++slot) Append(redbook[slot], slot);
}

void BookListView::Sort(const EntryLookup& entryOf, int column) {
  dialog_.SortRows(listId_, [&](const ui::ListRow& a, const ui::ListRow& b) {
    const PhonebookEntry* x = entryOf(static_cast<std::size_t>(a.data));
    const PhonebookEntry* y = entryOf(static_cast<std::size_t>(b.data));
    if (x == nullptr || y == nullptr) return x != nullptr;
    return CompareEntries(*x, *y, column) < 0;
  });
}

std::optional<std::size_t> BookListView::SlotOfRow(int row) const {
  if (row < 0 || row >= dialog_.RowCount(listId_)) return std::nullopt;
  return static_cast<std::size_t>(dialog_.RowData(listId_, row));
}

int BookListView::RowOfSlot(std::size_t slot) const {
  const int rows = dialog_.RowCount(listId_);
  for (int row = 0; row < rows; ++row) {
    if (dialog_.RowData(listId_, row) == static_cast<std::int64_t>(slot)) return row;
  }
  return -1;
}

int BookListView::ChosenRow() const {
  const int focused = dialog_.FocusedRow(listId_);
  if (focused >= 0) return focused;
  const std::vector<int> selected = dialog_.SelectedRows(listId_);
  return selected.empty() ? -1 : selected.front();
}

void BookListView::RemoveRowOfSlot(std::size_t slot) {
  const int row = RowOfSlot(slot);
  if (row >= 0) dialog_.DeleteRow(listId_, row);
  // The rows behind keep pointing at their entries, which moved up one slot.
  const int rows = dialog_.RowCount(listId_);
  for (int r = 0; r < rows; ++r) {
    const std::int64_t data = dialog_.RowData(listId_, r);
    if (data > static_cast<std::int64_t>(slot)) dialog_.SetRowData(listId_, r, data - 1);
  }
}

}  // namespace telvane::phonebook
