// String table ids of the messages start-up shows (caption "Telvane Error").
#pragma once

namespace telvane::app {

inline constexpr int kStrCantOpenComPort = 16;  // "Can't open COM port"
inline constexpr int kStrNoDeviceFound = 57;    // "No device found"

}  // namespace telvane::app
