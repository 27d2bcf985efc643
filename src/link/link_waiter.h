// Waiting for the phone's descriptor: the one place an exchange sleeps. A GUI hands the
// exchange a waiter that keeps its event loop running during the sleep; without one the
// exchange sleeps in poll().
#pragma once

#include <chrono>
#include <functional>

namespace telvane::link {

enum class WaitOutcome {
  Ready,    // the descriptor is readable (or writable, as asked); data may come with a hang-up
  Timeout,  // the bound passed first
  HangUp,   // the line went away (hang-up or error without data), or the wait failed
};

// Waits until `fd` is ready for `events` (POLLIN or POLLOUT), hangs up, or `limit` passes.
using LinkWaiter =
    std::function<WaitOutcome(int fd, short events, std::chrono::milliseconds limit)>;

// The plain waiter: poll() on the descriptor alone, resumed after a signal.
WaitOutcome PollWait(int fd, short events, std::chrono::milliseconds limit);

// What poll() reports for `fd` right now, without waiting; Timeout when not ready.
WaitOutcome PollNow(int fd, short events);

}  // namespace telvane::link
