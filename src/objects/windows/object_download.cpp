#include "objects/windows/object_download.h"

#include "objects/object_file.h"
#include "objects/windows/transfer_progress.h"

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
  ReadBinaryObject(session.exchange, session.ui, type, choice->path, progress.get());
}

}  // namespace telvane::objects
