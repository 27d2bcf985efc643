#include "phonebook/phonebook_store.h"

#include <algorithm>

namespace telvane::phonebook {

bool AddressTable::Set(std::size_t slot, AddressEntry entry) {
  if (slot >= kCapacity) return false;
  if (slots_.size() <= slot) slots_.resize(slot + 1);
  slots_[slot] = std::move(entry);
  return true;
}

const AddressEntry* AddressTable::Find(std::size_t slot) const {
  return slot < slots_.size() ? &slots_[slot] : nullptr;
}

void FreePositionList::Clear() {
  elements_.fill(0);
  next_ = 1;
}

bool FreePositionList::Append(int place, std::size_t lastElement) {
  if (next_ > std::min(lastElement, kFreePlaces)) return false;
  elements_[next_++] = place;
  return true;
}

std::optional<FreePositionList::Place> FreePositionList::First(std::size_t lastElement) const {
  const std::size_t end = std::min(lastElement, kFreePlaces);
  for (std::size_t element = 1; element <= end; ++element) {
    if (elements_[element] != 0) return Place{element, elements_[element]};
  }
  return std::nullopt;
}

void FreePositionList::ClearElement(std::size_t element) {
  if (element >= 1 && element <= kFreePlaces) elements_[element] = 0;
}

bool FreePositionList::Release(int place, std::size_t lastElement) {
  const std::size_t end = std::min(lastElement, kFreePlaces);
  for (std::size_t element = 1; element <= end; ++element) {
    if (elements_[element] == 0) {
      elements_[element] = place;
      next_ = std::max(next_, element + 1);
      return true;
    }
  }
  return false;
}

std::optional<std::size_t> PhonebookStore::SlotOf(int position) const {
  for (std::size_t slot = 0; slot < entries.Count(); ++slot) {
    if (entries[slot].position == position && !IsDeleted(slot)) return slot;
  }
  return std::nullopt;
}

bool PhonebookStore::IsDeleted(std::size_t slot) const {
  return std::find(deletedEntries.begin(), deletedEntries.end(), slot) != deletedEntries.end();
}

void PhonebookStore::StartRead() {
  entries.Clear();
  addresses.Clear();
  freePositions.Clear();
  deletedEntries.Clear();
  completeBook.reset();
}

}  // namespace telvane::phonebook
