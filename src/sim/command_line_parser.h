#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "sim/command_table.h"

namespace telvane::sim {

// Splits what follows "AT" into its commands: basic ones (E0, Z, &F, S0=0, D...) one after
// the other, extended ones (+CREG=2, ^SRTC?) separated by ";". Names and parameters are
// upper-cased and spaces dropped, except inside quotes. Nothing on a syntax error.
std::optional<std::vector<CommandRequest>> ParseCommandLine(std::string_view afterAt);

}  // namespace telvane::sim
