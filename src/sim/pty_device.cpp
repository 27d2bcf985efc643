#include "sim/pty_device.h"

#include <fcntl.h>
#include <termios.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace telvane::sim {
namespace {

[[noreturn]] void Fail(const char* step) {
  throw std::runtime_error(std::string("cannot set up the pseudo-terminal: ") + step + ": " +
                           std::strerror(errno));
}

}  // namespace

PtyDevice PtyDevice::Open() {
  PtyDevice device;
  device.master_ = base::UniqueFd(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!device.master_.Valid()) {
    Fail("posix_openpt");
  }
  if (::grantpt(device.Master()) != 0) {
    Fail("grantpt");
  }
  if (::unlockpt(device.Master()) != 0) {
    Fail("unlockpt");
  }
  std::array<char, 128> name{};
  if (::ptsname_r(device.Master(), name.data(), name.size()) != 0) {
    Fail("ptsname");
  }
  device.path_ = name.data();
  device.slave_ = base::UniqueFd(::open(device.path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!device.slave_.Valid()) {
    Fail("open slave");
  }
  termios settings{};
  if (::tcgetattr(device.slave_.Get(), &settings) != 0) {
    Fail("tcgetattr");
  }
  ::cfmakeraw(&settings);
  if (::tcsetattr(device.slave_.Get(), TCSANOW, &settings) != 0) {
    Fail("tcsetattr");
  }
  const int flags = ::fcntl(device.Master(), F_GETFL);
  if (flags < 0 || ::fcntl(device.Master(), F_SETFL, flags | O_NONBLOCK) != 0) {
    Fail("non-blocking master");
  }
  return device;
}

void PtyDevice::Close() {
  master_.Reset();
  slave_.Reset();
}

}  // namespace telvane::sim
