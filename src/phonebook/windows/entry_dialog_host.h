// What the entry and address dialogs need of the window that opens them: the phone book
// window, or the number transfer that runs them with the phone book window closed.
#pragma once

#include <cstddef>
#include <optional>

#include "config/app_context.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/phonebook_store.h"
#include "ui/ui.h"

namespace telvane::phonebook {

// The position and table slot of the entry a row of the phone book list shows.
struct RowEntry {
  int position = 0;
  std::size_t slot = 0;
};

class EntryDialogHost {
 public:
  virtual ~EntryDialogHost() = default;
  virtual config::AppContext& Context() = 0;
  virtual ui::Ui& Ui() = 0;
  virtual PhonebookStore& Store() = 0;
  virtual WriteContext MakeWriteContext() = 0;
  // Shows a write's message and brings the host's list (if any) in step with the table.
  virtual void ShowWriteOutcome(const Outcome& outcome, bool newEntry) = 0;
  // The entry a row of the host's list shows; none without a list.
  virtual std::optional<RowEntry> EntryOfRow(int row) = 0;
};

}  // namespace telvane::phonebook
