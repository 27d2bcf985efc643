// The phone book window (template 105): one book of the phone in a list, the Redbook,
// the own numbers, the three call lists and the SMS service centre, with every phone
// book command behind five pop-up menus, keys, double clicks and two buttons.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/app_context.h"
#include "phonebook/book_export.h"
#include "phonebook/book_reading.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/import_storing.h"
#include "phonebook/phonebook_store.h"
#include "phonebook/windows/book_list_view.h"
#include "phonebook/windows/entry_dialog_host.h"
#include "ui/dialog.h"
#include "ui/resources.h"
#include "ui/ui.h"

namespace telvane::phonebook {

// One recipient of an SMS sent from the phone book: an entry's name and number.
struct SmsRecipient {
  std::string name;
  std::string number;
};
// Opens the SMS send dialog over `opener`: to the one recipient, or in group mode to each
// recipient in turn. Set by the program, which knows the SMS windows.
using SendSmsHook =
    std::function<void(ui::Dialog& opener, std::vector<SmsRecipient> recipients, bool groupMode)>;

class PhonebookWindow : public ui::DialogHandler, public EntryDialogHost {
 public:
  static constexpr int kTemplate = 105;

  PhonebookWindow(config::AppContext& context, ui::Ui& ui, PhonebookStore& store)
      : context_(context), ui_(ui), store_(store) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnDropFiles(ui::Dialog& dialog, const std::vector<std::string>& paths) override;
  void OnHelp(ui::Dialog& dialog) override;
  void OnClose(ui::Dialog& dialog) override;

  // Without it the SMS commands stay grayed.
  void SetSendSmsHook(SendSmsHook hook) { sendSms_ = std::move(hook); }

  // For the entry and address dialogs.
  config::AppContext& Context() override { return context_; }
  ui::Ui& Ui() override { return ui_; }
  PhonebookStore& Store() override { return store_; }
  ui::Dialog& Window() { return *dialog_; }
  WriteContext MakeWriteContext() override;
  // Shows a write's message and brings the list in step with the table.
  void ShowWriteOutcome(const Outcome& outcome, bool newEntry) override;
  std::optional<RowEntry> EntryOfRow(int row) override;

 private:
  BookListView BookList() { return BookListView(*dialog_, kBookListId); }
  BookListView Redbook() { return BookListView(*dialog_, kRedbookListId); }
  static constexpr int kBookListId = 1026;
  static constexpr int kRedbookListId = 1031;

  void InsertListColumns();
  // The opening's reads; false when they ended early because the phone gave no answer.
  bool ReadAtOpening();
  // Selects and reads the address book, reporting in `box`; false when the selection
  // failed or the read needs the read error message.
  bool ReadAddressBookAtOpening(ui::Dialog& box, int bar, int text);
  void ReadCurrentBook(bool withSelection);
  // Rows appended as entries arrive; progress into `barId` (and `textId`) of `progress`.
  ReadReport BookReport(int barId, int textId);
  ReadReport BookReport(ui::Dialog& progress, int barId, int textId);
  void ShowCounts();
  void SortBook(int column);
  void ChangeBook(int index);

  void OpenEntryDialog(int mode, const std::string& number = {});
  void DeleteChosenEntry(bool selectFirst);
  void AddChosenToRedbook();
  void RemoveChosenFromRedbook();
  void Call();
  void CallBack(int listId);
  void CopyToPhonebook(int listId);
  void Normalise();
  void DeleteWholeBook();
  void SetServiceCentre();
  void ReadServiceCentre();
  void ClearOutgoingCalls();
  void ReportDial(int result);
  void ShowPopup(int listId);
  void GreyUnavailable(std::vector<ui::MenuItem>& items) const;
  bool Unavailable(int command) const;
  // The entry of a row of the phone book list or the Redbook as a recipient.
  std::optional<SmsRecipient> BookRecipient(int row);
  std::optional<SmsRecipient> RedbookRecipient(int row);
  void SendSms(int commandId);
  void PrintBook();
  std::filesystem::path ExternalBookPath() const;
  void SaveExternalBook();
  // Keeps the rows in step with entries an import stored.
  EntryStored RowsFollowingStore();
  void Export(ExportFormat format);
  void ExportVcards();
  void Import();

  config::AppContext& context_;
  ui::Ui& ui_;
  PhonebookStore& store_;
  ui::Dialog* dialog_ = nullptr;
  SendSmsHook sendSms_;
};

}  // namespace telvane::phonebook
