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

// Opens a file for binary reading and gives its size as the file system reports it;
// none when it cannot be opened or is not a regular file.
struct OpenedFile {
  base::FileHandle file;
  std::uint64_t size = 0;
};
std::optional<OpenedFile> OpenForReading(const std::string& path);

// String ids of the file transfers.
inline constexpr int kStrCantOpenFile = 36;       // "Can't open file"
inline constexpr int kStrLogoReadError = 71;      // "Error during reading of the logo"
inline constexpr int kStrRingToneReadError = 72;  // "Error during reading of the ringtone"

// Sends `length` bytes of `file` from its current position as object `index` in
// BlockSize(type) reads, showing the progress before each block. Stops at the first
// refused block (kHeader or kDataLine with its block) or failing read (kSource); the
// caller chooses the message. Done when every block was accepted.
Outcome WriteBinaryObject(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                          int index, std::FILE* file, std::uint64_t length);

// Reads the logo ("bmp") or ring tone ("mid") into `path`, created (or replaced) before
// the command is sent: "Can't open file" (36) when it cannot be. Every block of the
// answer is appended in order; an answer without blocks leaves an empty file. The file is
// replaced only when the read is whole: a refused command, an answer whose blocks do not
// add up (DecodeObjectAnswer) or a failing write leave the old file as it was and report
// string 71 (logo) or 72 (ring tone), shown with caption "Telvane"; a Cancel of the
// progress box leaves it too, without a message (kCancelled).
Outcome ReadBinaryObject(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                         const std::string& path);

}  // namespace telvane::objects
