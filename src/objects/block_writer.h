// The write loop shared by text and file objects: block header with a prompt, data line
// sent raw, a refusal reported to the caller.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "objects/binary_object.h"

namespace telvane::objects {

struct BlockWrite {
  ObjectType type = ObjectType::kVcf;
  int index = 0;
  std::size_t length = 0;  // the object's length; gives the block total
  // Replaces `bytes` with up to `count` next object bytes (empty at the end); false
  // when the source cannot be read.
  std::function<bool(std::size_t count, std::string& bytes)> read;
};

// Sends the preparatory command of a vcs object, then every block, showing the progress
// and pumping before each. Done when every block was accepted; otherwise the outcome
// names the refusal (see RefusalHandler) or the source that could not be read.
Outcome WriteBlocks(link::Exchange& exchange, TransferFeedback& feedback, const BlockWrite& write,
                    const RefusalHandler& onRefused = {});

}  // namespace telvane::objects
