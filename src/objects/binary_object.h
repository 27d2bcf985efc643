// The phone's binary objects (address book vCards, organizer vCalendars, the logo, own
// ring tones): written and read as numbered blocks of upper-case hex text with AT^SBNW
// and AT^SBNR. The one place that frames them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "link/exchange.h"
#include "objects/hex_block.h"
#include "objects/transfer_feedback.h"

namespace telvane::objects {

using base::FailedStep;
using base::Outcome;

enum class ObjectType { kVcf, kVcs, kBmp, kMid };

// "vcf", "vcs", "bmp", "mid".
std::string_view ObjectTypeName(ObjectType type);
// Object bytes per block: 50 for the logo, 100 for the others.
std::size_t BlockSize(ObjectType type);
// Blocks needed for `length` bytes; 0 for an empty object.
int BlockCount(std::size_t length, std::size_t blockSize);

// AT^SBNR="vcf",12 and AT^SBNR="vcs",7 (quoted type, the index); AT^SBNR=bmp,0 and
// AT^SBNR=mid,0 (unquoted type; the logo and ring tone are always read at index 0).
std::string ReadCommand(ObjectType type, int index);
// What the headers of a read of object `index` must name, and the length of its blocks.
ExpectedObject Expected(ObjectType type, int index);
// AT^SBNW="<type>",<index>,0.
std::string EraseCommand(ObjectType type, int index);
// AT^SBNW="<type>",<index>,<block>,<total>.
std::string BlockHeader(ObjectType type, int index, int block, int total);

// What one AT^SBNR read found.
struct ObjectRead {
  enum class Status {
    kFailed,  // the command was refused or got no (complete) answer
    kBroken,  // the answer's blocks do not add up (see DecodeObjectAnswer)
    kEmpty,
    kFound,
  };
  Status status = Status::kFailed;
  std::string bytes;  // every block's bytes joined, in answer order
};

// Reads an address book or organizer object (AT^SBNR="vcf",n). An answer without
// "^SBNR:" is an empty slot. At most `limit` bytes are kept; the rest is cut. Nothing of
// an answer whose blocks do not add up is kept.
ObjectRead ReadObjectText(link::Exchange& exchange, ObjectType type, int index, std::size_t limit);

// Called for each refused block header or data line with the step and block that
// failed; true goes on with the next block. A refused header always ends the write (a
// data line skipped would shift the rest of the object).
using RefusalHandler = std::function<bool(const Outcome& refusal)>;

// Writes a text object (vcf, vcs) in blocks; a vcs object is preceded by
// AT^SBNW="vcs",0. Without `onRefused` the first refusal ends the write. Done when every
// block was accepted; otherwise the outcome names the last refusal (no message).
Outcome WriteObjectText(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                        int index, std::string_view text, const RefusalHandler& onRefused = {});

// AT^SBNW="<type>",<index>,0. True when the phone accepted it.
bool EraseBinaryObject(link::Exchange& exchange, ObjectType type, int index);

}  // namespace telvane::objects
