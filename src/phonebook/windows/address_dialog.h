// The address dialog (template 163) of the phone's own address book: names, company,
// postal address, four numbers, e-mail, web page and the VIP category.
#pragma once

#include <cstddef>
#include <string>

#include "phonebook/windows/entry_dialog_host.h"
#include "ui/dialog.h"

namespace telvane::phonebook {

class AddressDialog : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 163;

  // `mode`: a row index of the phone book list, or the entry dialog's kNewEntry and
  // kNumberFromCallList (the home number is then `handedNumber`).
  AddressDialog(EntryDialogHost& window, int mode, std::string handedNumber)
      : window_(window), mode_(mode), handedNumber_(std::move(handedNumber)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;

 private:
  EntryDialogHost& window_;
  int mode_;
  std::string handedNumber_;
  int position_ = 0;
  std::size_t slot_ = 0;
};

}  // namespace telvane::phonebook
