// The rows of the phone book list and the Redbook list: one row per table slot, the
// slot kept as the row's data so that sorting never moves entries.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "phonebook/phonebook_store.h"
#include "ui/dialog.h"

namespace telvane::phonebook {

// Column titles of both lists in the user's language.
struct ColumnTitles {
  const char* position;
  const char* name;
  const char* number;
};
ColumnTitles ListColumnTitles(int languageId);

class BookListView {
 public:
  BookListView(ui::Dialog& dialog, int listId) : dialog_(dialog), listId_(listId) {}

  // Appends the row of `entry`, kept as `slot`.
  void Append(const PhonebookEntry& entry, std::size_t slot);
  // Shows the entry of `slot` again (a deleted entry keeps its position, blank otherwise).
  void Update(const PhonebookEntry& entry, std::size_t slot, bool deleted = false);
  // Rebuilds every row from the table.
  void Refill(const PhonebookStore& store);
  void Refill(const RedbookTable& redbook);
  // Sorts by column 0 (position), 1 (name) or 2 (number) of the entries behind the rows.
  using EntryLookup = std::function<const PhonebookEntry*(std::size_t slot)>;
  void Sort(const EntryLookup& entryOf, int column);
  // The slot of the row, none when there is no such row.
  std::optional<std::size_t> SlotOfRow(int row) const;
  int RowOfSlot(std::size_t slot) const;
  // The focused row, else the first selected one; -1 when none.
  int ChosenRow() const;
  void RemoveRowOfSlot(std::size_t slot);

 private:
  ui::Dialog& dialog_;
  int listId_;
};

}  // namespace telvane::phonebook
