// The state file's sections for the call services: "forwarding", "locks" and "profile".
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "sim/service_state.h"

namespace telvane::sim {

// Each reader throws std::runtime_error naming the key and the problem; a missing section
// (nullptr) keeps the defaults.
void ReadForwarding(const nlohmann::json* section, std::vector<ForwardingEntry>& out);
void ReadLocks(const nlohmann::json* section, Locks& out);
void ReadProfile(const nlohmann::json* section, Profile& out);

nlohmann::ordered_json ForwardingJson(const std::vector<ForwardingEntry>& entries);
nlohmann::ordered_json LocksJson(const Locks& locks);
nlohmann::ordered_json ProfileJson(const Profile& profile);

// A forwarding number as the network takes it: an optional "+", then 1-20 of the digits,
// "*" and "#".
bool IsForwardNumber(std::string_view number);

}  // namespace telvane::sim
