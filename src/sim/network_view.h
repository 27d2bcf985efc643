// The network as the phone sees it right now: the status of the state file, replaced by
// the current point of the route when there is one, and nothing with the radio off or a
// SIM that waits for its PUK.
#pragma once

#include "sim/command_table.h"

namespace telvane::sim {

NetworkStatus CurrentNetwork(CommandContext& context);
// The route point the phone is at now; none without a route.
const RoutePoint* CurrentRoutePoint(CommandContext& context);

inline bool IsRegistered(const NetworkStatus& status) {
  return status.registration == 1 || status.registration == 5;
}

// Moves an "afterCpas" route on to its next point.
void AdvanceRouteAfterCpas(CommandContext& context);

}  // namespace telvane::sim
