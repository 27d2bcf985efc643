// The write loop shared by text and file objects: block header with a prompt, data line
// sent raw, the caller's rule applied to a refusal.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "objects/binary_object.h"

namespace telvane::objects {

class TransferProgress;

struct BlockWrite {
  ObjectType type = ObjectType::kVcf;
  int index = 0;
  std::size_t length = 0;  // the object's length; gives the block total
  // Replaces `bytes` with up to `count` next object bytes (empty at the end); false
  // when the source cannot be read.
  std::function<bool(std::size_t count, std::string& bytes)> read;
  TransferProgress* progress = nullptr;  // updated before each block when set
};

// Sends the rule's preparatory command, then every block. False when a block was
// refused (the rule's message shown) or the source failed (no message).
bool WriteBlocks(link::Exchange& exchange, ui::Ui& ui, const BlockWrite& write, WriteFailureRule rule);

}  // namespace telvane::objects
