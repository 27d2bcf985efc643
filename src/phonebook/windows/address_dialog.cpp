#include "phonebook/windows/address_dialog.h"

#include "phonebook/address_entry_writing.h"
#include "phonebook/windows/book_window_feedback.h"
#include "phonebook/windows/entry_dialog.h"
#include "phonebook/windows/phonebook_window_ids.h"

namespace telvane::phonebook {

using namespace window_ids;

void AddressDialog::OnInit(ui::Dialog& dialog) {
  if (mode_ >= 0) {
    if (const auto entry = window_.EntryOfRow(mode_)) {
      position_ = entry->position;
      slot_ = entry->slot;
      if (const AddressEntry* address = window_.Store().addresses.Find(slot_)) {
        dialog.SetText(kFirstName, address->firstName);
        dialog.SetText(kLastName, address->lastName);
        dialog.SetText(kCompany, address->company);
        dialog.SetText(kStreet, address->street);
        dialog.SetText(kCity, address->city);
        dialog.SetText(kState, address->state);
        dialog.SetText(kPostalCode, address->postalCode);
        dialog.SetText(kCountry, address->country);
        dialog.SetText(kWork, address->workNumber);
        dialog.SetText(kCell, address->cellNumber);
        dialog.SetText(kFax, address->faxNumber);
        dialog.SetText(kEmail, address->email);
        dialog.SetText(kWeb, address->webAddress);
        dialog.SetChecked(kVip, address->vip == 1);
      }
      dialog.SetText(kHome, window_.Store().entries[slot_].number);
    }
  } else if (mode_ == EntryDialog::kNumberFromCallList) {
    dialog.SetText(kHome, handedNumber_);
  }
  dialog.SetFocus(kLastName);
}

void AddressDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  if (commandId == ui::kIdCancel) {
    dialog.End(ui::kIdCancel);
    return;
  }
  if (commandId != ui::kIdOk) return;
  AddressInput input;
  input.lastName = dialog.Text(kLastName);
  input.firstName = dialog.Text(kFirstName);
  input.company = dialog.Text(kCompany);
  input.street = dialog.Text(kStreet);
  input.city = dialog.Text(kCity);
  input.state = dialog.Text(kState);
  input.postalCode = dialog.Text(kPostalCode);
  input.country = dialog.Text(kCountry);
  input.homeNumber = dialog.Text(kHome);
  input.workNumber = dialog.Text(kWork);
  input.cellNumber = dialog.Text(kCell);
  input.faxNumber = dialog.Text(kFax);
  input.email = dialog.Text(kEmail);
  input.webAddress = dialog.Text(kWeb);
  input.vip = dialog.IsChecked(kVip);
  config::AppContext& context = window_.Context();
  BookWindowFeedback feedback(window_.Ui());
  const Outcome outcome =
      SaveAddressEntry(context.exchange, feedback, window_.Store(), input, AddressSource::kDialog,
                       position_, slot_, LocalTimeNow());
  window_.ShowWriteOutcome(outcome, position_ == 0);
  // A refused write keeps the dialog open with what was typed, for another try or Cancel.
  if (outcome.done) dialog.End(ui::kIdOk);
}

}  // namespace telvane::phonebook
