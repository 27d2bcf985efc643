// The serial devices present on this machine, as the Options dialog offers them: the
// stable links under serial/by-id first, then ttyUSB*, ttyACM*, rfcomm*, and the ttyS*
// that answer as real serial ports.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace telvane::link {

// At most this many devices are listed.
inline constexpr std::size_t kSerialDeviceLimit = 64;

// The folder the devices are searched in: $TELVANE_DEVICE_DIR when set and not empty
// (tests point it at a folder of their own), else "/dev".
std::filesystem::path SerialDeviceFolder();

// The device paths under `folder`, in the order above; within a kind by number
// (ttyUSB2 before ttyUSB10), links by name. A device reached through a listed by-id link
// is not listed again. A ttyS* is listed only when it opens and reports a known UART
// type (TIOCGSERIAL); the kernel creates many that have no port behind them.
std::vector<std::string> ListSerialDevices(const std::filesystem::path& folder);

}  // namespace telvane::link
