#include "objects/windows/file_send.h"

namespace telvane::objects {

std::optional<FileSend> StartFileSend(link::Exchange& exchange, ui::Ui& ui, ObjectType type,
                                      int index, const std::string& path, const FileCheck& check) {
  FileSend send;
  send.progress = TransferProgress::Open(ui);
  if (!send.progress) return std::nullopt;
  auto opened = OpenForReading(path);
  if (!opened) {
    ui::ShowStringMessage(ui, kStrCantOpenFile, ui::Caption::Telvane);
    return std::nullopt;
  }
  send.opened = std::move(*opened);
  if (check) {
    if (!check(send.opened.file.get(), send.opened.size)) return std::nullopt;
    if (std::fseek(send.opened.file.get(), 0, SEEK_SET) != 0) {
      ui::ShowStringMessage(ui, kStrCantOpenFile, ui::Caption::Telvane);
      return std::nullopt;
    }
  }
  EraseBinaryObject(exchange, type, index);
  return send;
}

void ShowTransferMessage(ui::Ui& ui, const Outcome& outcome) {
  if (outcome.messageId == 0) return;
  ui::ShowStringMessage(ui, outcome.messageId, ui::Caption::Telvane, ui::Buttons::Ok,
                        ui::Icon::Warning);
}

bool ReportFileSend(ui::Ui& ui, const Outcome& outcome, int refusedMessage) {
  if (outcome.failed == FailedStep::kHeader || outcome.failed == FailedStep::kDataLine) {
    ShowTransferMessage(ui, Outcome{false, refusedMessage});
  }
  return outcome.done;
}

}  // namespace telvane::objects
