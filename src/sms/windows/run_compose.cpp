// The entry points of the send and reply dialogs.
#include "sms/windows/reply_dialog.h"
#include "sms/windows/send_dialog.h"

namespace telvane::sms {

void RunSendDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                   std::vector<Recipient> recipients, bool groupMode, const StoredRowSink& stored) {
  SendDialog dialog(context, ui, std::move(recipients), groupMode, stored);
  ui.RunModal(compose_ids::kSendTemplate, dialog, &opener);
}

void RunReplyDialog(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                    const ReplySource& source, phonebook::ExternalBookTable& externalBook,
                    const StoredRowSink& stored) {
  ReplyDialog dialog(context, ui, source, externalBook, stored);
  ui.RunModal(compose_ids::kReplyTemplate, dialog, &opener);
}

}  // namespace telvane::sms
