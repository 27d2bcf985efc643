// The SMS windows as the rest of the program opens them. The windows reach each other
// through these functions; the phone book is reached through the hooks the caller passes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "config/app_context.h"
#include "phonebook/external_book.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

// A message stored on the phone (AT+CMGW) while a window was open, for the SMS list:
// its storage index, recipient and its own part's text.
struct StoredRow {
  int index = 0;
  std::string number;
  std::string text;
};
using StoredRowSink = std::function<void(const StoredRow&)>;

// One recipient of the send dialog: a phone book entry or a group member.
struct Recipient {
  std::string name;
  std::string number;
};

// The send dialog (template 107). With one recipient it sends to that entry; in group mode
// the name line and number field are disabled and the message goes to each member in order.
void RunSendDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                   std::vector<Recipient> recipients, bool groupMode, const StoredRowSink& stored);

// What the reply dialog (template 122) opens with.
enum class ReplyKind {
  kNew,         // no row: an empty message
  kReply,       // a row of the SMS list: its number becomes the recipient
  kSendStored,  // a stored row: its text, fixed; the external book is not read again
  kHandedText,  // a text handed over by another window (the organizer)
};
struct ReplySource {
  ReplyKind kind = ReplyKind::kNew;
  std::string number;
  std::string text;
};

// The reply dialog over the external book the SMS list keeps (read again on opening,
// except in send-stored mode).
void RunReplyDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                    const ReplySource& source, phonebook::ExternalBookTable& externalBook,
                    const StoredRowSink& stored);

// The service centre dialog (template 153): the ten prefix/centre pairs.
void RunCentreDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener);

// The SMS group window (template 148) over the external book the SMS list read; messages
// stored after a failed group send go to `stored`.
void RunGroupWindow(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                    const phonebook::ExternalBookTable& externalBook, const StoredRowSink& stored);

// The predefined texts window (template 143); a text stored with "&Store SMS" goes to
// `stored`.
void RunPredefinedTexts(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                        const StoredRowSink& stored);

// Opens the phone book's new-entry dialog for a number (the phone book window closed);
// false when no phone book was read in this run.
using TransferToPhonebook = std::function<bool(ui::Dialog& opener, const std::string& number)>;

// The SMS list window (template 120, or 152 with SMSListx).
void RunSmsList(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                const TransferToPhonebook& transfer);

}  // namespace telvane::sms
