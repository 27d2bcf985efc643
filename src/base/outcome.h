// What an operation of the phone logic reports to its window: whether it was done, the
// message to show, and for a block transfer which step failed.
#pragma once

#include <cstddef>

namespace telvane::base {

// The step of a block transfer that failed.
enum class FailedStep {
  kNone,
  kHeader,     // the phone refused a block header (no prompt)
  kDataLine,   // the phone refused a data line, or the bytes could not be framed
  kSource,     // the object's bytes could not be read
  kFile,       // the file could not be opened, written or closed
  kCommand,    // the phone refused a command
  kCancelled,  // the user stopped the transfer
};

struct Outcome {
  bool done = false;
  int messageId = 0;     // string id of the message to show; 0 for none
  std::size_t slot = 0;  // the table slot the operation changed, where there is one
  FailedStep failed = FailedStep::kNone;
  int block = 0;  // the block that failed, from 1; 0 when none did
};

}  // namespace telvane::base
