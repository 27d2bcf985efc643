// The one connection to the phone: a serial device or an IrDA socket, opened once at
// start-up and closed at exit. Sends no commands itself; the exchange does.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "base/unique_fd.h"
#include "link/irda_provider.h"
#include "link/serial_port.h"

namespace telvane::link {

enum class LinkKind { Serial, Irda };

// Shows an error message by string id (caption "Telvane Error").
using ErrorMessage = std::function<void(int stringId)>;

class PhoneLink {
 public:
  PhoneLink(IrdaProvider& irda, ErrorMessage showError);
  ~PhoneLink() { CloseLink(); }
  PhoneLink(const PhoneLink&) = delete;
  PhoneLink& operator=(const PhoneLink&) = delete;

  // Opens and configures the serial device, purges both directions and waits
  // `settleTime` (100 ms) before returning true. A device that cannot be configured as a
  // serial line (a regular file, /dev/zero) is closed again: the link stays without a
  // handle, so no command is ever written to it.
  bool OpenSerialPort(const std::string& devicePath,
                      std::chrono::milliseconds settleTime = std::chrono::milliseconds(100));

  // Looks for a device whose name contains "SIEMENS" among the (at most five) devices
  // in range. Shows strings 95, 91, 92 or 57 on the failures that have one; a list
  // without such a name fails silently.
  bool FindIrdaPhone();
  // Connects the socket of FindIrdaPhone to the device's IrCOMM service (strings 93, 94).
  bool ConnectIrdaPhone();
  void CloseLink();

  LinkKind Kind() const { return kind_; }
  // The descriptor exchanges use: the socket for IrDA, else the serial handle.
  int Fd() const { return kind_ == LinkKind::Irda ? socket_.Get() : serial_.Get(); }
  bool HasSerialHandle() const { return serial_.Valid(); }
  bool IrdaOffered() const { return irda_.Offered(); }
  const std::string& LastProblem() const { return lastProblem_; }
  // What kind of failure the last OpenSerialPort met (kNone after success).
  SerialFailure LastFailure() const { return lastFailure_; }

 private:
  void FailIrda(int stringId);

  IrdaProvider& irda_;
  ErrorMessage showError_;
  LinkKind kind_ = LinkKind::Serial;
  base::UniqueFd serial_;
  base::UniqueFd socket_;
  std::optional<std::uint32_t> phoneDeviceId_;
  std::string lastProblem_;
  SerialFailure lastFailure_ = SerialFailure::kNone;
};

}  // namespace telvane::link
