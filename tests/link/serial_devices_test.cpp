// The serial devices the Options dialog offers, from a device folder of the test's own.
#include "link/serial_devices.h"

#include <gtest/gtest.h>

#include "support/pty_peer.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(SerialDevices, ByIdLinksFirstThenEachKindByNumberAndOnlyAnsweringTtyS) {
  TempDir dev;
  PtyPeer phone;
  fs::create_directories(dev / "serial/by-id");
  fs::create_symlink(phone.DevicePath(), dev / "serial/by-id/usb-Prolific_Cable-if00-port0");
  fs::create_symlink(dev / "nowhere", dev / "serial/by-id/usb-Gone-if00");  // dangling
  for (const char* name :
       {"ttyUSB10", "ttyUSB2", "rfcomm0", "ttyACM0", "ttyS0", "ttyUSBx", "tty0", "console"}) {
    WriteFile(dev / name, "");
  }
  // A ttyS that opens but is no serial port (a pty has no UART behind it): left out.
  fs::create_symlink(phone.DevicePath(), dev / "ttyS1");
  // The device a by-id link leads to is listed once, by its link.
  fs::create_symlink(phone.DevicePath(), dev / "ttyUSB0");

  EXPECT_EQ(link::ListSerialDevices(dev.Path()),
            (std::vector<std::string>{(dev / "serial/by-id/usb-Prolific_Cable-if00-port0").string(),
                                      (dev / "ttyUSB2").string(), (dev / "ttyUSB10").string(),
                                      (dev / "ttyACM0").string(), (dev / "rfcomm0").string()}));
  EXPECT_TRUE(link::ListSerialDevices(dev / "missing").empty());

  ScopedEnv folder("TELVANE_DEVICE_DIR", dev.Path().string());
  EXPECT_EQ(link::SerialDeviceFolder(), dev.Path());
  ScopedEnv unset("TELVANE_DEVICE_DIR", std::nullopt);
  EXPECT_EQ(link::SerialDeviceFolder(), fs::path("/dev"));
}

}  // namespace
}  // namespace telvane::testing
