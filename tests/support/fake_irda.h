// An IrDA provider for tests: its socket is one end of a socket pair, the test holds the
// other; every step can be made to fail.
#pragma once

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "link/irda_provider.h"

namespace telvane::testing {

class FakeIrdaProvider : public link::IrdaProvider {
 public:
  std::vector<std::string> deviceNames;
  std::uint32_t reportedCount = 0xFFFFFFFF;  // default: the number of names
  bool libraryStarts = true, socketOpens = true, enumerates = true;
  bool iasAccepted = true, nineWireAccepted = true, connects = true;
  std::uint32_t connectedDevice = 0;
  std::string connectedService;
  int peerSocket = -1;
  std::function<void()> onConnect;  // runs when a connection succeeds

  ~FakeIrdaProvider() override {
    if (peerSocket >= 0) ::close(peerSocket);
  }
  bool Offered() const override { return true; }
  bool StartSocketLibrary() override { return libraryStarts; }
  base::UniqueFd OpenSocket() override {
    if (!socketOpens) return base::UniqueFd();
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return base::UniqueFd();
    peerSocket = pair[1];
    return base::UniqueFd(pair[0]);
  }
  bool EnumerateDevices(int, link::IrdaDeviceList& list) override {
    if (!enumerates) return false;
    list.count = reportedCount == 0xFFFFFFFF ? static_cast<std::uint32_t>(deviceNames.size())
                                             : reportedCount;
    for (std::size_t i = 0; i < deviceNames.size() && i < list.devices.size(); ++i) {
      list.devices[i].deviceId = static_cast<std::uint32_t>(100 + i);
      std::memcpy(list.devices[i].name.data(), deviceNames[i].data(),
                  std::min(deviceNames[i].size(), list.devices[i].name.size()));
    }
    return true;
  }
  bool SetIasRecord(int, const link::IasSetRecord& record) override {
    return iasAccepted && record.className == "IrDA:IrCOMM" &&
           record.attributeName == "Parameters" &&
           record.octets == std::array<std::uint8_t, 6>{0x00, 0x01, 0x06, 0x01, 0x01, 0x01};
  }
  bool SetNineWireMode(int) override { return nineWireAccepted; }
  bool Connect(int, std::uint32_t deviceId, std::string_view service) override {
    connectedDevice = deviceId;
    connectedService = service;
    if (connects && onConnect) onConnect();
    return connects;
  }
};

}  // namespace telvane::testing
