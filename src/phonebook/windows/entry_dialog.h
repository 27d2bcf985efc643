// The entry dialog (template 110) of the SIM and SIM fix books: a name and a number,
// for a new entry, a changed one, or a new one with a number from a call list.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "phonebook/windows/entry_dialog_host.h"
#include "ui/dialog.h"

namespace telvane::phonebook {

class PhonebookWindow;

class EntryDialog : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 110;
  // Modes besides a row index of the phone book list (a change of that row's entry).
  static constexpr int kNewEntry = -1;
  static constexpr int kNumberFromCallList = -2;

  EntryDialog(EntryDialogHost& window, int mode, std::string handedNumber)
      : window_(window), mode_(mode), handedNumber_(std::move(handedNumber)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;

 private:
  EntryDialogHost& window_;
  int mode_;
  std::string handedNumber_;
  int position_ = 0;  // 0: a new entry
  std::size_t slot_ = 0;
};

// The entry a row of the phone book window's list shows.
std::optional<RowEntry> EntryOfRow(PhonebookWindow& window, int row);

}  // namespace telvane::phonebook
