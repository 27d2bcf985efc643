#include "objects/windows/object_download.h"

#include "objects/object_file.h"
#include "objects/windows/file_send.h"

namespace telvane::objects {

void DownloadObject(TransferSession& session, ObjectType type, const ui::FileFilter& filter,
                    const std::string& defaultExtension) {
  ui::FileRequest request;
  request.save = true;
  request.filters = {filter};
  request.defaultExtension = defaultExtension;
  const auto choice = session.ui.ChooseFile(request);
  if (!choice) return;
  ui::WindowDisabled disabled(session.mainWindow);
  const auto progress = TransferProgress::Open(session.ui);
  if (!progress) return;
  const Outcome read = ReadBinaryObject(session.exchange, *progress, type, choice->path);
  ShowTransferMessage(session.ui, read);
}

}  // namespace telvane::objects
