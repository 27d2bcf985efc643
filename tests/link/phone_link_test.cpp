#include "link/phone_link.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "link/exchange.h"
#include "link/link_messages.h"
#include "link_fixture.h"
#include "support/fake_irda.h"
#include "support/pty_peer.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using namespace std::chrono_literals;

class IrdaLinkTest : public ::testing::Test {
 protected:
  FakeIrdaProvider irda_;
  std::vector<int> shown_;
  link::PhoneLink link_{irda_, [this](int id) { shown_.push_back(id); }};
};

TEST_F(IrdaLinkTest, MatchIsCaseSensitiveAndLimitedToFiveDevices) {
  irda_.deviceNames = {"Siemens S45", "a", "b", "c", "d", "SIEMENS S45"};
  irda_.reportedCount = 6;
  EXPECT_FALSE(link_.FindIrdaPhone());
  EXPECT_TRUE(shown_.empty());  // no phone of that maker in range is silent
  EXPECT_EQ(link_.Kind(), link::LinkKind::Serial);
}

TEST_F(IrdaLinkTest, EachFailureShowsItsMessage) {
  irda_.libraryStarts = false;
  EXPECT_FALSE(link_.FindIrdaPhone());
  irda_.libraryStarts = true;
  irda_.socketOpens = false;
  EXPECT_FALSE(link_.FindIrdaPhone());
  irda_.socketOpens = true;
  irda_.enumerates = false;
  EXPECT_FALSE(link_.FindIrdaPhone());
  irda_.enumerates = true;
  EXPECT_FALSE(link_.FindIrdaPhone());  // empty list

  irda_.deviceNames = {"SIEMENS S45"};
  irda_.nineWireAccepted = false;
  ASSERT_TRUE(link_.FindIrdaPhone());
  EXPECT_FALSE(link_.ConnectIrdaPhone());
  irda_.nineWireAccepted = true;
  irda_.connects = false;
  ASSERT_TRUE(link_.FindIrdaPhone());
  EXPECT_FALSE(link_.ConnectIrdaPhone());
  EXPECT_EQ(shown_, (std::vector<int>{link::kStrNoTcpIp, link::kStrCantOpenSocket,
                                      link::kStrCantEnumDevices, link::kStrNoDeviceFound,
                                      link::kStrCantSetSocketConfig, link::kStrCantConnectMobile}));
  EXPECT_EQ(link_.Kind(), link::LinkKind::Serial);
}

TEST_F(IrdaLinkTest, ConnectsToTheFirstDeviceNamingTheMakerAndExchangesOverTheSocket) {
  irda_.deviceNames = {"Nokia 6210", "SIEMENS S45", "SIEMENS ME45"};
  ASSERT_TRUE(link_.FindIrdaPhone());
  ASSERT_TRUE(link_.ConnectIrdaPhone());
  EXPECT_EQ(irda_.connectedDevice, 101u);
  EXPECT_EQ(irda_.connectedService, "IrDA:IrCOMM");
  EXPECT_EQ(link_.Kind(), link::LinkKind::Irda);
  EXPECT_TRUE(shown_.empty());
  link::Exchange exchange(link_, ShortTiming());
  std::string lastLine;
  // Answers the next command line the program sends, from another thread.
  const auto answerNext = [&](std::string bytes) {
    return std::thread([&, bytes] {
      lastLine.clear();
      char c = 0;
      while (::recv(irda_.peerSocket, &c, 1, 0) == 1 && c != '\r') lastLine += c;
      ::send(irda_.peerSocket, bytes.data(), bytes.size(), 0);
    });
  };

  std::thread phone = answerNext(std::string("\r\n+CGMI: SIE\0MENS\r\n\r\nOK\r\n", 25));
  EXPECT_TRUE(exchange.SendCommand("AT+CGMI"));
  phone.join();
  EXPECT_EQ(lastLine, "AT+CGMI");
  EXPECT_EQ(exchange.LastAnswerToken(), "SIE@MENS");

  // The whole answer is tested line by line: a data line ending in "OK" ends nothing.
  phone = std::thread([&] {
    char c = 0;
    while (::recv(irda_.peerSocket, &c, 1, 0) == 1 && c != '\r') {
    }
    ::send(irda_.peerSocket, "\r\nNOTEBOOK\r\n", 12, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ::send(irda_.peerSocket, "\r\nOK\r\n", 6, 0);
  });
  EXPECT_TRUE(exchange.SendCommand("AT+CGMM"));
  phone.join();
  EXPECT_EQ(exchange.LastAnswerToken(), "NOTEBOOK");

  // How answers are read is the exchange's (see exchange_test.cpp), whatever the link.
  phone = answerNext("");
  EXPECT_FALSE(exchange.SendCommand("AT"));  // silence
  phone.join();
  EXPECT_EQ(exchange.LastFailure(), link::ExchangeFailure::NoAnswer);
}

// A line that keeps talking holds the command back only briefly: what waits beyond the
// bound is left to the answer (here: noise that fills the answer buffer).
TEST_F(IrdaLinkTest, StaleInputIsDiscardedOnlyUpToItsBoundThenTheCommandGoesOut) {
  irda_.deviceNames = {"SIEMENS S45"};
  ASSERT_TRUE(link_.FindIrdaPhone());
  ASSERT_TRUE(link_.ConnectIrdaPhone());
  const std::string noise(4096, 'Z');
  std::size_t waiting = 0;
  while (::send(irda_.peerSocket, noise.data(), noise.size(), MSG_DONTWAIT) > 0) {
    waiting += noise.size();
  }
  ASSERT_GT(waiting, link::kStaleInputLimit + link::kAnswerBufferSize);
  link::Exchange exchange(link_, ShortTiming());
  EXPECT_FALSE(exchange.SendCommand("AT"));
  EXPECT_EQ(exchange.LastFailure(), link::ExchangeFailure::TooLong);
  std::string line(8, '\0');
  const ssize_t n = ::recv(irda_.peerSocket, line.data(), line.size(), MSG_DONTWAIT);
  EXPECT_EQ(line.substr(0, static_cast<std::size_t>(std::max<ssize_t>(n, 0))), "AT\r");
}

TEST(SerialLink, OpensOnlyTerminalsAndAClosedLinkSendsNothing) {
  auto irda = link::MakeSystemIrdaProvider();
  link::PhoneLink link(*irda, nullptr);
  PtyPeer peer;
  EXPECT_TRUE(link.OpenSerialPort(peer.DevicePath(), 0ms));
  EXPECT_TRUE(link.HasSerialHandle());
  link.CloseLink();
  EXPECT_FALSE(link.HasSerialHandle());

  // Devices that open but are no terminal are closed again and never written to.
  TempDir dir;
  WriteFile(dir / "notes.txt", "my notes\n");
  for (const std::string& device :
       std::vector<std::string>{"/dev/null", "/dev/zero", (dir / "notes.txt").string()}) {
    EXPECT_FALSE(link.OpenSerialPort(device, 0ms));
    EXPECT_FALSE(link.HasSerialHandle()) << device;
    EXPECT_NE(link.LastProblem().find("not a terminal"), std::string::npos);
    link::Exchange exchange(link, ShortTiming());
    EXPECT_FALSE(exchange.SendCommand("ATZ"));
  }
  EXPECT_EQ(ReadFile(dir / "notes.txt"), "my notes\n");

  EXPECT_EQ(link.LastFailure(), link::SerialFailure::kOther);
  EXPECT_FALSE(link.OpenSerialPort("/nonexistent/ttyS9", 0ms));
  EXPECT_FALSE(link.HasSerialHandle());
  EXPECT_EQ(link.LastFailure(), link::SerialFailure::kMissing);
  // A device the user may not open (root opens anything, so by the error number).
  EXPECT_EQ(link::SerialFailureOf(EACCES), link::SerialFailure::kNotPermitted);
  EXPECT_EQ(link::SerialFailureOf(EPERM), link::SerialFailure::kNotPermitted);
  link::Exchange exchange(link, ShortTiming());  // nothing open: fails without sending
  EXPECT_FALSE(exchange.SendCommand("ATZ"));
  EXPECT_EQ(exchange.LastFailure(), link::ExchangeFailure::NotOpen);
}

}  // namespace
}  // namespace telvane::testing
