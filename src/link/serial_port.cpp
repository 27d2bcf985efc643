#include "link/serial_port.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>
#include <cstring>

namespace telvane::link {
SerialFailure SerialFailureOf(int error) {
  switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV: return SerialFailure::kMissing;
    case EACCES:
    case EPERM: return SerialFailure::kNotPermitted;
    default: return SerialFailure::kOther;
  }
}

SerialOpenResult OpenAndConfigureSerial(const std::string& devicePath) {
  SerialOpenResult result;
  result.fd =
      base::UniqueFd(::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!result.fd.Valid()) {
    const int error = errno;
    result.problem = devicePath + ": " + std::strerror(error);
    result.failure = SerialFailureOf(error);
    return result;
  }
  const int fd = result.fd.Get();
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) {
    result.problem = devicePath + ": not a terminal (" + std::strerror(errno) + ")";
    result.failure = SerialFailure::kOther;
    result.fd.Reset();
    return result;
  }
  // Start from a cleared state, then set exactly what the phone needs: binary, 8 data
  // bits, no parity, one stop bit, no flow control of any kind, no special characters.
  std::memset(&tio, 0, sizeof tio);
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | PARMRK);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, B57600) != 0 || ::cfsetospeed(&tio, B57600) != 0 ||
      ::tcsetattr(fd, TCSANOW, &tio) != 0) {
    result.problem = devicePath + ": line settings refused (" + std::strerror(errno) + ")";
    result.failure = SerialFailure::kOther;
    result.fd.Reset();
    return result;
  }
  SetModemLines(fd);
  result.configured = true;
  return result;
}

bool SetModemLines(int fd) {
  int rts = TIOCM_RTS;
  int dtr = TIOCM_DTR;
  const bool rtsSet = ::ioctl(fd, TIOCMBIS, &rts) == 0;
  const bool dtrCleared = ::ioctl(fd, TIOCMBIC, &dtr) == 0;
  return rtsSet && dtrCleared;
}

void PurgeBuffers(int fd) {
  ::tcflush(fd, TCOFLUSH);
  ::tcflush(fd, TCIFLUSH);
}

}  // namespace telvane::link
