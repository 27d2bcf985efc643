#include "phonebook/windows/number_transfer.h"

#include "phonebook/windows/address_dialog.h"
#include "phonebook/windows/book_window_feedback.h"
#include "phonebook/windows/entry_dialog.h"
#include "phonebook/windows/entry_dialog_host.h"
#include "phonebook/windows/pin2_dialog.h"

namespace telvane::phonebook {
namespace {

// The dialogs' host without a list: a write's message is shown, the tables follow it.
class TransferHost final : public EntryDialogHost {
 public:
  TransferHost(config::AppContext& context, ui::Ui& ui, PhonebookStore& store)
      : context_(context), ui_(ui), store_(store) {}

  config::AppContext& Context() override { return context_; }
  ui::Ui& Ui() override { return ui_; }
  PhonebookStore& Store() override { return store_; }
  WriteContext MakeWriteContext() override {
    return WriteContext{context_.exchange, store_, context_.run.pin2, [this]() {
                          Pin2Dialog pin2;
                          const int result = ui_.RunModal(Pin2Dialog::kTemplate, pin2, nullptr);
                          return result == ui::kIdOk ? std::optional<std::string>(pin2.Entered())
                                                     : std::nullopt;
                        }};
  }
  void ShowWriteOutcome(const Outcome& outcome, bool) override { ShowOutcomeMessage(ui_, outcome); }
  std::optional<RowEntry> EntryOfRow(int) override { return std::nullopt; }

 private:
  config::AppContext& context_;
  ui::Ui& ui_;
  PhonebookStore& store_;
};

}  // namespace

bool TransferNumber(config::AppContext& context, ui::Ui& ui, PhonebookStore& store,
                    ui::Dialog& opener, const std::string& number) {
  if (!store.loaded) return false;
  TransferHost host(context, ui, store);
  if (store.currentBook == Book::kInternal) {
    AddressDialog address(host, EntryDialog::kNumberFromCallList, number);
    ui.RunModal(AddressDialog::kTemplate, address, &opener);
  } else {
    EntryDialog entry(host, EntryDialog::kNumberFromCallList, number);
    ui.RunModal(EntryDialog::kTemplate, entry, &opener);
  }
  return true;
}

}  // namespace telvane::phonebook
