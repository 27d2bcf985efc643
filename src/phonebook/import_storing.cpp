#include "phonebook/import_storing.h"

namespace telvane::phonebook {

std::optional<std::size_t> StoreWrittenEntry(PhonebookStore& store, PhonebookEntry entry,
                                             const AddressEntry* details, int freePlace,
                                             const EntryStored& stored) {
  for (std::size_t element = 1; element <= kFreePlaces; ++element) {
    if (store.freePositions.Element(element) == freePlace)
      store.freePositions.ClearElement(element);
  }
  std::optional<std::size_t> slot = store.SlotOf(entry.position);
  const bool added = !slot;
  if (added) {
    if (store.entries.Full()) return std::nullopt;
    slot = store.EntryCount();
    store.entries.Add(std::move(entry));
  } else {
    store.entries[*slot] = std::move(entry);
  }
  if (details) store.addresses.Set(*slot, *details);
  if (stored) stored(*slot, added);
  return slot;
}

}  // namespace telvane::phonebook
