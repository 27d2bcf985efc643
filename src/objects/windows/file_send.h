// How every logo and ring tone send begins: the progress box, the file, the erase of the
// object it replaces.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "objects/object_file.h"
#include "objects/windows/transfer_progress.h"

namespace telvane::objects {

// What a logo or ring tone send holds while it runs.
struct FileSend {
  std::unique_ptr<TransferProgress> progress;
  OpenedFile opened;
};

// Checks an opened file before anything on the phone changes: false (after showing its
// message) when the file is not to be sent.
using FileCheck = std::function<bool(std::FILE* file, std::uint64_t size)>;

// Opens the progress box, then the file ("Can't open file" when it cannot be opened),
// runs `check` on it, and only for a file that will be sent erases object `index`, with
// the file back at its start. None when the send cannot go on.
std::optional<FileSend> StartFileSend(link::Exchange& exchange, ui::Ui& ui, ObjectType type,
                                      int index, const std::string& path,
                                      const FileCheck& check = {});

// Shows a transfer's message with caption "Telvane" and the warning icon; nothing when
// the outcome has no message.
void ShowTransferMessage(ui::Ui& ui, const Outcome& outcome);

// Ends a send: `refusedMessage` shown the same way when the phone refused a block (a
// source that cannot be read ends silently). True when every block was accepted.
bool ReportFileSend(ui::Ui& ui, const Outcome& outcome, int refusedMessage);

}  // namespace telvane::objects
