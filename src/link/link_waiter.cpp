#include "link/link_waiter.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace telvane::link {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// One poll() call; nullopt when a signal interrupted it.
std::optional<WaitOutcome> PollOnce(int fd, short events, milliseconds limit) {
  pollfd pfd{fd, events, 0};
  const int ready = ::poll(&pfd, 1, static_cast<int>(limit.count()));
  if (ready < 0) {
    if (errno == EINTR) return std::nullopt;
    return WaitOutcome::HangUp;
  }
  if (ready == 0) return WaitOutcome::Timeout;
  if (pfd.revents & events) return WaitOutcome::Ready;
  return WaitOutcome::HangUp;  // POLLHUP, POLLERR or POLLNVAL without data
}

}  // namespace

WaitOutcome PollNow(int fd, short events) {
  if (fd < 0) return WaitOutcome::HangUp;
  std::optional<WaitOutcome> outcome;
  while (!(outcome = PollOnce(fd, events, milliseconds(0)))) {
  }
  return *outcome;
}

WaitOutcome PollWait(int fd, short events, milliseconds limit) {
  if (fd < 0) return WaitOutcome::HangUp;
  const auto deadline = Clock::now() + std::max(limit, milliseconds(0));
  for (;;) {
    const auto left = std::chrono::ceil<milliseconds>(deadline - Clock::now());
    if (const auto outcome = PollOnce(fd, events, std::max(left, milliseconds(0)))) {
      return *outcome;
    }
  }
}

}  // namespace telvane::link
