// A serial device configured for the phone: termios raw 57600 baud 8N1, RTS on and
// DTR off where the device has modem lines. Reading and writing belong to the exchange.
#pragma once

#include <string>
#include <string_view>

#include "base/unique_fd.h"

namespace telvane::link {

// Why a device could not be opened, where the user can do something about it.
enum class SerialFailure {
  kNone,
  kMissing,       // no such device (ENOENT, ENXIO, ENODEV)
  kNotPermitted,  // the device exists, the user may not open it (EACCES, EPERM)
  kOther,         // not a terminal, line settings refused, anything else
};

// The kind of failure of an open() that set `errorNumber`.
SerialFailure SerialFailureOf(int errorNumber);

struct SerialOpenResult {
  base::UniqueFd fd;  // valid only for a device configured as the phone's line
  bool configured = false;
  std::string problem;  // why opening or configuring failed, for logs and diagnostics
  SerialFailure failure = SerialFailure::kNone;
};

// Opens `devicePath` for reading and writing (non-blocking, not as the controlling
// terminal) and applies the line settings. A device that is not a terminal, or refuses
// the settings, is closed again and reported as a problem.
SerialOpenResult OpenAndConfigureSerial(const std::string& devicePath);

// Sets RTS and clears DTR. Pseudo-terminals and some adapters have no modem lines and
// refuse the request; that is harmless and reported as false only for information.
bool SetModemLines(int fd);

// Discards pending output, then pending input (two separate purges, in that order).
void PurgeBuffers(int fd);

}  // namespace telvane::link
