#include "phonebook/redbook_writing.h"

#include <algorithm>
#include <optional>

#include "phonebook/book_reading.h"
#include "phonebook/entry_command.h"
#include "phonebook/entry_writing.h"
#include "phonebook/phonebook_messages.h"

namespace telvane::phonebook {
namespace {

// PIN2 and the write of `entry` under `name`. None when written; otherwise the message to
// show, 0 for none (a cancelled PIN2 dialog fails without a message).
std::optional<int> WriteName(WriteContext& context, const PhonebookEntry& entry,
                             const std::string& name) {
  if (context.store.currentBook == Book::kSimFix) {
    const Pin2Check check = EnsurePin2(context);
    if (check != Pin2Check::kReady) return Pin2Message(check);
  }
  const SendResult result = FixedDiallingWrite(
      context, WriteCommand(entry.position, entry.number, entry.numberType, name));
  if (result == SendResult::kAccepted) return std::nullopt;
  return result == SendResult::kPin2Rejected ? kStrPin2Rejected : kStrCantModify;
}

bool EndsWithMark(const std::string& name) { return !name.empty() && name.back() == '!'; }

}  // namespace

Outcome AddToRedbook(WriteContext& context, std::size_t slot) {
  PhonebookStore& store = context.store;
  // A deleted entry keeps its slot until the next read; marking it would write it back.
  if (slot >= store.EntryCount() || store.IsDeleted(slot)) {
    return Outcome{false, kStrEntryNotFound, slot};
  }
  PhonebookEntry& entry = store.entries[slot];
  if (EndsWithMark(entry.name)) return Outcome{false, kStrAlreadyInRedbook, slot};
  if (store.redbook.Full()) return Outcome{false, kStrMaximumEntries, slot};
  if (!SelectBook(context.exchange, store.currentBook)) return Outcome{false, 0, slot};

  const std::string marked = CutTo(entry.name, kNameLimit - 1) + "!";
  if (const auto message = WriteName(context, entry, marked)) {
    return Outcome{false, *message, slot};
  }
  entry.name = marked;
  PhonebookEntry copy = entry;
  copy.position = static_cast<int>(store.redbook.Count()) + 1;
  store.redbook.Add(std::move(copy));
  return Outcome{true, 0, slot};
}

Outcome RemoveFromRedbook(WriteContext& context, std::size_t redbookIndex) {
  PhonebookStore& store = context.store;
  if (redbookIndex >= store.redbook.Count()) return Outcome{false, kStrEntryNotFound, 0};
  if (!SelectBook(context.exchange, store.currentBook)) return Outcome{};

  const std::string& marked = store.redbook[redbookIndex].name;
  std::optional<std::size_t> found;
  for (std::size_t slot = 0; slot < store.EntryCount(); ++slot) {
    if (store.entries[slot].name == marked && !store.IsDeleted(slot)) {
      found = slot;
      break;
    }
  }
  if (!found) return Outcome{false, kStrEntryNotFound, 0};
  PhonebookEntry& entry = store.entries[*found];
  const std::string unmarked =
      EndsWithMark(entry.name) ? entry.name.substr(0, entry.name.size() - 1) : entry.name;
  if (const auto message = WriteName(context, entry, unmarked)) {
    return Outcome{false, *message, *found};
  }
  entry.name = unmarked;
  store.redbook.Erase(redbookIndex);
  return Outcome{true, 0, *found};
}

}  // namespace telvane::phonebook
