// An incoming call rings after every command line while it waits to be answered.
#pragma once

#include <string>
#include <vector>

#include "sim/command_table.h"

namespace telvane::sim {

// RING (or +CRING: <type> after AT+CRC=1) and, after AT+CLIP=1, the caller's +CLIP: line
// for the first incoming call of `calls.current`; nothing without one.
std::vector<std::string> IncomingCallCodes(CommandContext& context);

}  // namespace telvane::sim
