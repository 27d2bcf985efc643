// Entry points of SMS windows still being built: each opens nothing yet. Every window
// removes its function from here when it arrives; the file then goes.
#include "sms/windows/sms_windows.h"

namespace telvane::sms {

void RunSendDialog(config::AppContext&, ui::Ui&, ui::Dialog&, std::vector<Recipient>, bool,
                   const StoredRowSink&) {}

void RunReplyDialog(config::AppContext&, ui::Ui&, ui::Dialog&, const ReplySource&,
                    phonebook::ExternalBookTable&, const StoredRowSink&) {}

void RunCentreDialog(config::AppContext&, ui::Ui&, ui::Dialog&) {}

void RunGroupWindow(config::AppContext&, ui::Ui&, ui::Dialog&) {}

void RunPredefinedTexts(config::AppContext&, ui::Ui&, ui::Dialog&, const StoredRowSink&) {}

}  // namespace telvane::sms
