#include "link/link_waiter.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <array>

namespace telvane::link {
namespace {

using std::chrono::milliseconds;

struct Pipe {
  Pipe() { EXPECT_EQ(::pipe(ends.data()), 0); }
  ~Pipe() {
    for (const int fd : ends)
      if (fd >= 0) ::close(fd);
  }
  void CloseWriteEnd() {
    ::close(ends[1]);
    ends[1] = -1;
  }
  std::array<int, 2> ends{-1, -1};
};

TEST(PollWaitTest, ReturnsAtTheBoundAtReadabilityAndAtHangUp) {
  Pipe pipe;
  EXPECT_EQ(PollWait(pipe.ends[0], POLLIN, milliseconds(20)), WaitOutcome::Timeout);
  EXPECT_EQ(PollWait(pipe.ends[1], POLLOUT, milliseconds(20)), WaitOutcome::Ready);

  ASSERT_EQ(::write(pipe.ends[1], "OK", 2), 2);
  EXPECT_EQ(PollWait(pipe.ends[0], POLLIN, milliseconds(20)), WaitOutcome::Ready);
  // Data still waiting counts before the hang-up behind it.
  pipe.CloseWriteEnd();
  EXPECT_EQ(PollWait(pipe.ends[0], POLLIN, milliseconds(20)), WaitOutcome::Ready);
  std::array<char, 2> read{};
  ASSERT_EQ(::read(pipe.ends[0], read.data(), read.size()), 2);
  EXPECT_EQ(PollWait(pipe.ends[0], POLLIN, milliseconds(20)), WaitOutcome::HangUp);
  EXPECT_EQ(PollNow(pipe.ends[0], POLLIN), WaitOutcome::HangUp);
  EXPECT_EQ(PollWait(-1, POLLIN, milliseconds(20)), WaitOutcome::HangUp);
}

}  // namespace
}  // namespace telvane::link
