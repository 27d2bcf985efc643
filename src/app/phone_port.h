// Opens the serial port of a port index: its device path from "Device%d", or the
// built-in simulated phone for "sim:" (the demo phone) and "sim:STATE_FILE".
#pragma once

#include <chrono>
#include <string>

namespace telvane::config {
struct AppContext;
}

namespace telvane::app {

inline constexpr std::string_view kSimulatorPrefix = "sim:";

// True when the port is open and configured. On failure the reason is in
// context.link.LastProblem() or `problem`.
bool OpenPhonePort(config::AppContext& context, int portIndex, std::chrono::milliseconds settleTime,
                   std::string& problem);

}  // namespace telvane::app
