// The exchange's wait on Qt: the event loop runs while it sleeps on the phone's descriptor.
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QTimer>
#include <array>

#include "qt/qt_link_waiter.h"

namespace telvane::qt {
namespace {

using link::WaitOutcome;
using std::chrono::milliseconds;

class QtLinkWaiterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(::pipe(ends_.data()), 0); }
  void TearDown() override {
    for (const int fd : ends_)
      if (fd >= 0) ::close(fd);
  }
  int ReadEnd() const { return ends_[0]; }
  void CloseWriteEnd() {
    ::close(ends_[1]);
    ends_[1] = -1;
  }

  std::array<int, 2> ends_{-1, -1};
};

TEST_F(QtLinkWaiterTest, RunsTimersWhileWaitingAndReturnsWhenTheLineIsReadable) {
  bool ticked = false;
  bool markedAsWaiting = false;
  QTimer::singleShot(0, [&] {
    ticked = true;
    markedAsWaiting = InsideLinkWait();
  });
  QTimer::singleShot(20, [&] { ASSERT_EQ(::write(ends_[1], "OK", 2), 2); });
  EXPECT_EQ(WaitInEventLoop(ReadEnd(), POLLIN, milliseconds(10000)), WaitOutcome::Ready);
  EXPECT_TRUE(ticked);
  EXPECT_TRUE(markedAsWaiting);
  EXPECT_FALSE(InsideLinkWait());
}

TEST_F(QtLinkWaiterTest, ReturnsAtTheBoundAndAtHangUp) {
  bool ticked = false;
  QTimer::singleShot(0, [&] { ticked = true; });
  EXPECT_EQ(WaitInEventLoop(ReadEnd(), POLLIN, milliseconds(30)), WaitOutcome::Timeout);
  EXPECT_TRUE(ticked);

  QTimer::singleShot(20, [&] { CloseWriteEnd(); });
  EXPECT_EQ(WaitInEventLoop(ReadEnd(), POLLIN, milliseconds(10000)), WaitOutcome::HangUp);
}

}  // namespace
}  // namespace telvane::qt
