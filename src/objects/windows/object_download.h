// Fetching the logo or the ring tone into a file the user names in a save dialog.
#pragma once

#include <string>

#include "objects/binary_object.h"
#include "objects/windows/transfer_session.h"

namespace telvane::objects {

// The save dialog with `filter`, then the read (AT^SBNR=<type>,0) into the chosen file
// with the progress box; the main window stays disabled meanwhile.
void DownloadObject(TransferSession& session, ObjectType type, const ui::FileFilter& filter,
                    const std::string& defaultExtension);

}  // namespace telvane::objects
