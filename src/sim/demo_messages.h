// The demo phone's message memory: received messages of every kind, a stored sent reply and
// a status report, as literal PDUs.
#pragma once

#include <vector>

#include "sim/phone_state.h"

namespace telvane::sim {

std::vector<StoredMessage> DemoMessages();

}  // namespace telvane::sim
