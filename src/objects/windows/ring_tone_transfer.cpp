#include "objects/windows/ring_tone_transfer.h"

#include "objects/windows/file_send.h"
#include "objects/windows/object_download.h"

namespace telvane::objects {

bool SendTone(TransferSession& session, int& toneIndex) {
  ui::FileRequest request;
  request.filters = {{"MID file (*.mid)", "*.mid"}};
  request.defaultExtension = "mid";
  request.mustExist = true;
  request.previewTemplate = kTonePreviewTemplate;
  request.previewNumberTip = kStrToneNumberTip;
  TonePreview preview([&session] { ui::ShowError(session.ui, kStrNoMidiPlayer); });
  request.preview = &preview;
  const auto choice = session.ui.ChooseFile(request);
  preview.Stop();
  if (!choice) return false;
  toneIndex = IndexFromPreviewNumber(choice->previewNumber, kToneNumbers, toneIndex);
  ui::WindowDisabled disabled(session.mainWindow);
  SendToneFile(session.exchange, session.ui, choice->path, toneIndex);
  return true;
}

bool SendToneFile(link::Exchange& exchange, ui::Ui& ui, const std::string& path, int index) {
  auto send = StartFileSend(exchange, ui, ObjectType::kMid, index, path);
  if (!send) return false;
  const Outcome outcome = WriteBinaryObject(exchange, *send->progress, ObjectType::kMid, index,
                                            send->opened.file.get(), send->opened.size);
  return ReportFileSend(ui, outcome, kStrToneSendError);
}

int RaisedToneMaximum(int maximum) {
  return maximum == 20 || maximum == 41 ? maximum + 1 : maximum;
}

void DownloadRingTone(TransferSession& session) {
  DownloadObject(session, ObjectType::kMid, {"Midi file (*.mid)", "*.mid"}, "mid");
}

}  // namespace telvane::objects
