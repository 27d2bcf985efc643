#include "phonebook/entry_writing.h"

#include <algorithm>

#include "phonebook/entry_command.h"
#include "phonebook/phonebook_messages.h"

namespace telvane::phonebook {
namespace {

std::size_t LastFreeElement(const BookCapacity& capacity) {
  return capacity.last > 0 ? static_cast<std::size_t>(capacity.last) : 0;
}

// The book's own length, when it reported one, within the table's limit.
std::size_t BookLimit(int reported, std::size_t tableLimit) {
  return reported > 0 ? std::min(static_cast<std::size_t>(reported), tableLimit) : tableLimit;
}

Outcome Refused(int messageId) { return Outcome{false, messageId, 0}; }

int SendFailureMessage(SendResult result, int failureMessage) {
  return result == SendResult::kPin2Rejected ? kStrPin2Rejected : failureMessage;
}

bool NeedsPin2(const WriteContext& context) { return context.store.currentBook == Book::kSimFix; }

}  // namespace

int Pin2Message(Pin2Check check) { return check == Pin2Check::kInvalid ? kStrInvalidPin2 : 0; }

Outcome WriteEntry(WriteContext& context, const EntryInput& input, int position, std::size_t slot,
                   EntrySource source) {
  PhonebookStore& store = context.store;
  PhonebookEntry entry;
  entry.position = position;
  entry.name = CutTo(EntryName(input.name), kNameLimit);
  if (entry.name.empty()) return Refused(kStrEnterName);
  // Text that is no number is refused, never filtered into another number.
  const std::optional<std::string> number = DialNumber(input.number);
  if (!number) return Refused(kStrEnterNumber);
  entry.number = CutTo(*number, kNumberLimit);
  if (source == EntrySource::kImport) {
    entry.name = CutTo(entry.name, BookLimit(store.capacity.textLength, kNameLimit));
    entry.number = CutTo(entry.number, BookLimit(store.capacity.numberLength, kNumberLimit));
  }
  if (entry.number.empty()) return Refused(kStrEnterNumber);
  entry.numberType = NumberTypeOf(entry.number);
  if (position != 0 && slot >= store.EntryCount()) return Refused(kStrEntryNotFound);

  if (NeedsPin2(context)) {
    const Pin2Check check = EnsurePin2(context);
    if (check != Pin2Check::kReady) return Refused(Pin2Message(check));
  }

  if (position == 0) {
    if (store.entries.Full()) return Refused(kStrMaximumEntries);
    const auto free = store.freePositions.First(LastFreeElement(store.capacity));
    if (!free) return Refused(kStrNoFreeEntry);
    entry.position = free->value;
    const SendResult result = FixedDiallingWrite(
        context, WriteCommand(entry.position, entry.number, entry.numberType, entry.name));
    if (result != SendResult::kAccepted) {
      return Refused(SendFailureMessage(result, kStrCantWriteNew));
    }
    store.freePositions.ClearElement(free->element);
    store.entries.Add(std::move(entry));
    return Outcome{true, 0, store.EntryCount() - 1};
  }

  const SendResult result = FixedDiallingWrite(
      context, WriteCommand(position, entry.number, entry.numberType, entry.name));
  if (result != SendResult::kAccepted) return Refused(SendFailureMessage(result, kStrCantModify));
  store.entries[slot] = std::move(entry);
  return Outcome{true, 0, slot};
}

Outcome DeleteEntry(WriteContext& context, int position) {
  PhonebookStore& store = context.store;
  const auto slot = store.SlotOf(position);
  if (!slot) return Refused(kStrEntryNotFound);
  if (NeedsPin2(context)) {
    const Pin2Check check = EnsurePin2(context);
    if (check != Pin2Check::kReady) return Refused(Pin2Message(check));
  }
  const SendResult result = FixedDiallingWrite(context, DeleteCommand(position));
  if (result != SendResult::kAccepted) return Refused(SendFailureMessage(result, kStrCantDelete));
  store.freePositions.Release(position, LastFreeElement(store.capacity));
  store.deletedEntries.Add(*slot);
  return Outcome{true, 0, *slot};
}

Outcome DeleteBook(WriteContext& context, const ReadOptions& options, const ReadReport& report) {
  PhonebookStore& store = context.store;
  const int last = std::min(store.capacity.last, kMaxPositionsRead);
  const auto deleteAll = [&] {
    for (int position = 1; position <= last; ++position) {
      context.exchange.SendCommand(DeleteCommand(position));
    }
    return true;
  };
  if (NeedsPin2(context)) {
    const Pin2Check check = EnsurePin2(context);
    if (check != Pin2Check::kReady) return Refused(Pin2Message(check));
    if (FixedDiallingWrite(context, DeleteCommand(1), deleteAll) == SendResult::kPin2Rejected) {
      return Refused(kStrPin2Rejected);
    }
  } else {
    deleteAll();
  }
  const bool read = ReadPhonebook(context.exchange, store, options, report) == ReadResult::kRead;
  return Outcome{read, 0, 0};
}

}  // namespace telvane::phonebook
