#pragma once

#include <string>
#include <string_view>

#include "sim/phone_state.h"

namespace telvane::sim {

// The state file's JSON text (docs/simulator.md lists every key).
std::string PhoneStateToJson(const PhoneState& state);
// Missing keys keep their defaults; unknown top-level sections are kept. Throws
// std::runtime_error naming the key and the problem.
PhoneState PhoneStateFromJson(std::string_view text);

}  // namespace telvane::sim
