// The logo and ring tone as files: an open file written to the phone in blocks, and the
// phone's object read into a file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "base/file_handle.h"
#include "objects/binary_object.h"

namespace telvane::objects {

class TransferProgress;

// Opens a file for binary reading and gives its size as the file system reports it;
// none when it cannot be opened or is not a regular file.
struct OpenedFile {
  base::FileHandle file;
  std::uint64_t size = 0;
};
std::optional<OpenedFile> OpenForReading(const std::string& path);

// What a logo or ring tone send holds while it runs.
struct FileSend {
  std::unique_ptr<TransferProgress> progress;
  OpenedFile opened;
};
// How every logo and ring tone send begins: the progress box, the file ("Can't open
// file" when it cannot be opened), then the erase of object `index`. None when it
// cannot go on.
std::optional<FileSend> StartFileSend(link::Exchange& exchange, ui::Ui& ui, ObjectType type,
                                      int index, const std::string& path);

// String ids of the file transfers.
inline constexpr int kStrCantOpenFile = 36;        // "Can't open file"
inline constexpr int kStrLogoReadError = 71;       // "Error during reading of the logo"
inline constexpr int kStrRingToneReadError = 72;   // "Error during reading of the ringtone"

// Sends `length` bytes of `file` from its current position as object `index` in
// BlockSize(type) reads, updating `progress` (may be null) before each block. A refused
// block shows the rule's message; a failing read ends without one. True when every
// block was accepted.
bool WriteBinaryObject(link::Exchange& exchange, ui::Ui& ui, ObjectType type, int index,
                       std::FILE* file, std::uint64_t length, WriteFailureRule rule,
                       TransferProgress* progress);

// Reads the logo ("bmp") or ring tone ("mid") into `path`, created (or replaced) before
// the command is sent: "Can't open file" (36) when it cannot be. Every block of the
// answer is appended in order; an answer without blocks leaves an empty file. A refused
// command, a block longer than kDecodeBufferSize, a malformed hex line or a failing
// write deletes the file and shows string 71 (logo) or 72 (ring tone). The percentage
// counts the answer's headers when the first one carries no block total.
bool ReadBinaryObject(link::Exchange& exchange, ui::Ui& ui, ObjectType type, const std::string& path,
                      TransferProgress* progress);

}  // namespace telvane::objects
