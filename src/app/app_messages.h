// String table ids of the messages start-up shows (caption "Telvane Error").
#pragma once

namespace telvane::app {

inline constexpr int kStrCantOpenComPort = 16;  // "Can't open COM port"
inline constexpr int kStrNoDeviceFound = 57;    // "No device found"
// The serial device could not be opened for a reason the user can mend; shown in place
// of string 16. Ids 720-729 are the desktop's own messages (res/<lang>/desktop.rc).
inline constexpr int kStrPortNotPermitted = 720;  // not in the dialout group
inline constexpr int kStrPortMissing = 721;       // no such device

}  // namespace telvane::app
