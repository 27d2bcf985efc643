// Erasing organizer slots: one, or all fifty in order.
#pragma once

#include <vector>

#include "link/exchange.h"

namespace telvane::organizer {

inline constexpr int kStrCantDelete = 50;  // "Can't delete entry"

// AT^SBNW="vcs",<slot>,0. True when the phone accepted it.
bool DeleteEntry(link::Exchange& exchange, int slot);

// AT^SBNW="vcs",n,0 for n = 1 to kSlotCount, every one sent whatever the others answered.
// The slots the phone accepted, in order.
std::vector<int> DeleteAllEntries(link::Exchange& exchange);

}  // namespace telvane::organizer
