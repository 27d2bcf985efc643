// IrDA sockets, behind an interface: the system may or may not offer them. The
// records are those of the IrDA socket interface (device list, IAS set record).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "base/unique_fd.h"

namespace telvane::link {

struct IrdaDevice {
  std::uint32_t deviceId = 0;
  std::array<char, 22> name{};  // not necessarily terminated
  std::array<std::uint8_t, 2> hints{};
  std::uint8_t characterSet = 0;

  std::string_view Name() const;  // up to the first zero byte or the field's end
};

// Room for the count and five devices (149 bytes on the wire): only these are examined.
inline constexpr std::size_t kIrdaDeviceRoom = 5;
struct IrdaDeviceList {
  std::uint32_t count = 0;  // as reported; may exceed the room
  std::array<IrdaDevice, kIrdaDeviceRoom> devices{};
};

// Announces the IrCOMM service: parameter 0x00 (service type) = 0x06 (3-wire and
// 9-wire), parameter 0x01 (port type) = 0x01 (serial).
struct IasSetRecord {
  std::string_view className = "IrDA:IrCOMM";
  std::string_view attributeName = "Parameters";
  std::array<std::uint8_t, 6> octets{0x00, 0x01, 0x06, 0x01, 0x01, 0x01};
};

inline constexpr std::string_view kIrcommService = "IrDA:IrCOMM";

class IrdaProvider {
 public:
  virtual ~IrdaProvider() = default;
  // Whether the system offers IrDA sockets at all.
  virtual bool Offered() const = 0;
  virtual bool StartSocketLibrary() = 0;
  virtual base::UniqueFd OpenSocket() = 0;
  // Fills `list` (whose count the caller has set to 0) with the devices in range.
  virtual bool EnumerateDevices(int socket, IrdaDeviceList& list) = 0;
  virtual bool SetIasRecord(int socket, const IasSetRecord& record) = 0;
  virtual bool SetNineWireMode(int socket) = 0;
  virtual bool Connect(int socket, std::uint32_t deviceId, std::string_view service) = 0;
};

// Current Linux kernels have no IrDA socket family; an IrDA adapter that shows up as a
// tty is a serial device. This provider reports that sockets are not offered.
std::unique_ptr<IrdaProvider> MakeSystemIrdaProvider();

}  // namespace telvane::link
