// String table ids of the messages the link shows (caption "Telvane Error").
#pragma once

namespace telvane::link {

inline constexpr int kStrNoTcpIp = 95;              // "No TCP/IP"
inline constexpr int kStrCantOpenSocket = 91;       // "Can't open socket"
inline constexpr int kStrCantEnumDevices = 92;      // "Can't enum devices"
inline constexpr int kStrNoDeviceFound = 57;        // "No device found"
inline constexpr int kStrCantSetSocketConfig = 93;  // "Can't set socket configuration"
inline constexpr int kStrCantConnectMobile = 94;    // "Can't connect to mobile"

}  // namespace telvane::link
