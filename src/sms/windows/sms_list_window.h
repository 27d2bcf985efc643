// The SMS list window (template 120, or the taller 152): the messages in the phone's
// memory, and the hub of the SMS functions behind menu 121 and the buttons.
#pragma once

#include <filesystem>
#include <vector>

#include "config/app_context.h"
#include "phonebook/external_book.h"
#include "sms/sms_export.h"
#include "sms/sms_list.h"
#include "sms/windows/sms_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class SmsListWindow : public ui::DialogHandler {
 public:
  SmsListWindow(config::AppContext& context, ui::Ui& ui, TransferToPhonebook transfer)
      : context_(context), ui_(ui), transfer_(std::move(transfer)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnClose(ui::Dialog& dialog) override;

 private:
  void InsertColumns();
  void ReadList();
  void ShowReading(const SmsListReading& reading);
  void AppendRow(const SmsListRow& row);
  void AppendStored(const StoredRow& stored);
  StoredRowSink Sink();
  void ShowRowCount();
  SmsListRow RowAt(int row) const;
  std::vector<SmsListRow> AllRows() const;
  bool Alphanumeric(int row) const;
  void Sort(int column);

  void DeleteSelected();
  void SendStored();
  void NewOrReply();
  void View(int row);
  void ViewSelected();
  void Export(SmsExportFormat format);
  void Transfer();
  void OpenReply(const ReplySource& source);

  config::AppContext& context_;
  ui::Ui& ui_;
  TransferToPhonebook transfer_;
  ui::Dialog* dialog_ = nullptr;
  phonebook::ExternalBookTable externalBook_;
  // Whether the sender is text, by a row's item data (its reading position); stored rows
  // get the positions after the rows read.
  std::vector<bool> alphanumeric_;
  int rowCount_ = 0;
};

}  // namespace telvane::sms
