// The exchange's wait on the Qt backend: it sleeps on the phone's descriptor and the event
// loop's own wake-ups together, so windows repaint and timers run while the phone answers.
#pragma once

#include <chrono>

#include "link/link_waiter.h"

namespace telvane::qt {

// A link::LinkWaiter. Runs a nested event loop until `fd` is ready for `events`, hangs up,
// or `limit` passes. User input waits until the exchange is over: one exchange at a time,
// and no click reaches a window while it talks to the phone.
link::WaitOutcome WaitInEventLoop(int fd, short events, std::chrono::milliseconds limit);

// True while an exchange waits in WaitInEventLoop. A window's timer tick that comes meanwhile
// is dropped, as a coalesced timer message would be: its handler would start a second
// exchange, which fails with Busy. The next tick comes at the timer's period.
bool InsideLinkWait();

}  // namespace telvane::qt
