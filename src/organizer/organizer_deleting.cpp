#include "organizer/organizer_deleting.h"

#include "objects/binary_object.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

bool DeleteEntry(link::Exchange& exchange, int slot) {
  if (slot < 1 || slot > kSlotCount) return false;
  return objects::EraseBinaryObject(exchange, objects::ObjectType::kVcs, slot);
}

std::vector<int> DeleteAllEntries(link::Exchange& exchange) {
  std::vector<int> deleted;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (DeleteEntry(exchange, slot)) deleted.push_back(slot);
  }
  return deleted;
}

}  // namespace telvane::organizer
