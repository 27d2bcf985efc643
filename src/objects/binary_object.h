// The phone's binary objects (address book vCards, organizer vCalendars, the logo, own
// ring tones): written and read as numbered blocks of upper-case hex text with AT^SBNW
// and AT^SBNR. The one place that frames them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "link/exchange.h"

namespace telvane::ui {
class Ui;
}

namespace telvane::objects {

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
// AT^SBNW="<type>",<index>,0.
std::string EraseCommand(ObjectType type, int index);
// AT^SBNW="<type>",<index>,<block>,<total>.
std::string BlockHeader(ObjectType type, int index, int block, int total);

// What one AT^SBNR read found.
struct ObjectRead {
  enum class Status { kFailed, kEmpty, kFound };
  Status status = Status::kFailed;
  std::string bytes;  // every block's bytes joined, in answer order
};

// Reads an address book or organizer object (AT^SBNR="vcf",n). An answer without
// "^SBNR:" is an empty slot. At most `limit` bytes are kept; the rest is cut. A refused
// or timed-out command, or an answer whose hex lines are not whole hex pairs, fails.
ObjectRead ReadObjectText(link::Exchange& exchange, ObjectType type, int index,
                          std::size_t limit);

// What a caller does when a block header or data line is refused.
enum class WriteFailureRule {
  kAddressEntry,   // stop; "Can't write new entry" (49), "Telvane Error"; result false
  kAddressImport,  // stop this entry; "Can't write calender entry" (33); result false
  kOrganizer,      // sends AT^SBNW="vcs",0 first; data line refused: string 33, go on
                   // with the next block; header refused: string 33, stop (a data line
                   // skipped would shift the rest of the entry)
  kRingTone,       // stop; "Error sending MIDI file" (35), caption "Telvane"
  kLogo,           // stop; "Error sending BMP file" (41), caption "Telvane"
};

// Writes a text object (vcf, vcs) in blocks; shows the rule's message on a refusal.
bool WriteObjectText(link::Exchange& exchange, ui::Ui& ui, ObjectType type, int index,
                     std::string_view text, WriteFailureRule rule);

// AT^SBNW="<type>",<index>,0. True when the phone accepted it.
bool EraseBinaryObject(link::Exchange& exchange, ObjectType type, int index);

}  // namespace telvane::objects
