// The client side of a pseudo-terminal, as a program opens a serial port.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "base/unique_fd.h"
#include "support/child_process.h"

namespace telvane::testing {

// The client side of the pseudo-terminal, configured like a real serial port.
class PtyClient {
 public:
  explicit PtyClient(const std::string& device) {
    fd_.Reset(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd_.Valid()) return;
    termios settings{};
    ::tcgetattr(fd_.Get(), &settings);
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B57600);
    ::cfsetospeed(&settings, B57600);
    settings.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(fd_.Get(), TCSANOW, &settings);
  }

  bool IsOpen() const { return fd_.Valid(); }

  bool Send(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_.Get(), bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR || errno == EAGAIN) {
          pollfd p{fd_.Get(), POLLOUT, 0};
          ::poll(&p, 1, 100);
          continue;
        }
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }

  // Reads until `done` holds for everything read so far, the line hangs up or patience ends.
  std::string ReadUntil(const std::function<bool(const std::string&)>& done) {
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done(got) && std::chrono::steady_clock::now() < deadline) {
      pollfd p{fd_.Get(), POLLIN, 0};
      if (::poll(&p, 1, 100) <= 0) continue;
      if (p.revents & (POLLHUP | POLLERR)) {
        hungUp_ = true;
        break;
      }
      char buffer[4096];
      const ssize_t n = ::read(fd_.Get(), buffer, sizeof buffer);
      if (n > 0) {
        got.append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        hungUp_ = true;
        break;
      }
    }
    return got;
  }

  // Everything up to and including the first occurrence of `end`.
  std::string ReadThrough(std::string_view end) {
    return ReadUntil([end](const std::string& got) { return got.find(end) != std::string::npos; });
  }

  // Sends a command line and reads its answer through the final result code.
  std::string Command(std::string_view line) {
    Send(std::string(line) + "\r");
    return ReadUntil([](const std::string& got) {
      return got.find("OK\r\n") != std::string::npos ||
             (got.find("ERROR") != std::string::npos && got.ends_with("\r\n"));
    });
  }

  // True once the line has hung up (the master end closed).
  bool WaitForHangUp() {
    ReadUntil([](const std::string&) { return false; });
    return hungUp_;
  }

 private:
  base::UniqueFd fd_;
  bool hungUp_ = false;
};

}  // namespace telvane::testing
