// What the imports share: the report to the window and keeping the store in step with
// the entries the phone accepted.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "objects/transfer_feedback.h"
#include "phonebook/fixed_dialling.h"
#include "phonebook/phonebook_store.h"

namespace telvane::phonebook {

inline constexpr int kStrCantOpenFile = 25;      // "Can't open export file"
inline constexpr int kStrCantWriteObject = 33;   // "Can't write calender entry"
inline constexpr int kStrUnsuitableHeader = 37;  // "Unsuitable file header"
inline constexpr std::size_t kImportLineLimit = 1023;

// What an import tells the phone book window while it runs: every failure when it
// happens, so its message ("Telvane Error") comes in order with the writes, and the
// pumps between the blocks of address objects.
class ImportFeedback : public objects::TransferFeedback {
 public:
  virtual void ReportFailure(const Outcome& failure) = 0;
  void ReportMessage(int messageId) { ReportFailure(Outcome{false, messageId}); }
};

// Called for every entry an import wrote: its table slot, and whether the slot is new
// (a row to append) or changed (a row to update).
using EntryStored = std::function<void(std::size_t slot, bool added)>;

// Puts an entry the phone accepted into the table: over the entry with the same
// position, else into the next slot (none when the table is full). `freePlace` (the
// position, or the object index for the address book) leaves the free list.
std::optional<std::size_t> StoreWrittenEntry(PhonebookStore& store, PhonebookEntry entry,
                                             const AddressEntry* details, int freePlace,
                                             const EntryStored& stored);

}  // namespace telvane::phonebook
