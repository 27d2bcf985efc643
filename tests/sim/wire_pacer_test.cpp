#include "sim/wire_pacer.h"

#include <gtest/gtest.h>

#include "sim/faults.h"

namespace telvane::sim {
namespace {

using namespace std::chrono_literals;
using Clock = WirePacer::Clock;

TEST(WirePacerTest, PacesBytesAtTenBitsEachInOrderAcrossChunks) {
  WirePacer pacer(9600);  // 1.0416 ms a byte
  const Clock::time_point t0{};
  pacer.Schedule("ABC", t0);
  pacer.Schedule("DE", t0);  // waits for the line
  EXPECT_EQ(pacer.TakeDue(t0), "");
  EXPECT_EQ(pacer.NextDue(), t0 + 1041666ns);
  EXPECT_EQ(pacer.TakeDue(t0 + 2100us), "AB");
  EXPECT_EQ(pacer.TakeDue(t0 + 2100us), "");
  EXPECT_EQ(pacer.TakeDue(t0 + 4200us), "CD");
  EXPECT_EQ(pacer.QueuedBytes(), 1u);
  EXPECT_EQ(pacer.TakeDue(t0 + 1s), "E");
  EXPECT_FALSE(pacer.NextDue());
  // A later chunk starts no earlier than asked.
  pacer.Schedule("X", t0 + 2s);
  EXPECT_EQ(pacer.TakeDue(t0 + 1500ms), "");
  EXPECT_EQ(pacer.TakeDue(t0 + 3s), "X");
}

TEST(WirePacerTest, UnpacedBytesAreDueAtOnceAndTheLimitIsKept) {
  WirePacer pacer(0);
  const Clock::time_point t0{};
  pacer.Schedule("hello", t0);
  pacer.Schedule("world", t0 + 10ms);
  EXPECT_EQ(pacer.TakeDue(t0, 3), "hel");
  EXPECT_EQ(pacer.TakeDue(t0, 3), "lo");
  EXPECT_EQ(pacer.NextDue(), t0 + 10ms);
  EXPECT_EQ(pacer.TakeDue(t0 + 10ms), "world");
  EXPECT_EQ(pacer.QueuedBytes(), 0u);
}

TEST(FaultAnswerTest, TransformsKeepTheAnswerRecognisablyBroken) {
  // The cases the simulated phone's own tests do not reach (see PtyPhoneTest).
  EXPECT_EQ(CutOffAnswer("\r\nOK\r\n").find("OK\r\n"), std::string::npos);
  EXPECT_EQ(InsertUnsolicited("0\r", "RING", false), "RING\r\n0\r");
}

TEST(FaultAnswerTest, CodesBeforeTheFinalResultAndBlanksAfterCommas) {
  EXPECT_EQ(InsertBeforeResult("\r\n+CSQ: 21,99\r\n\r\nOK\r\n", "RING", true),
            "\r\n+CSQ: 21,99\r\n\r\nRING\r\n\r\nOK\r\n");
  EXPECT_EQ(InsertBeforeResult("\r\nOK\r\n", "RING", true), "\r\nRING\r\n\r\nOK\r\n");
  EXPECT_EQ(InsertBeforeResult("+CSQ: 21,99\r\n0\r", "RING", false), "+CSQ: 21,99\r\nRING\r\n0\r");
  EXPECT_EQ(InsertBeforeResult("", "RING", true), "\r\nRING\r\n");
  EXPECT_EQ(WithBlanksAfterCommas("\r\n+CPBR: 1,\"030\",129,\"Smith, Anna\"\r\n\r\nOK\r\n"),
            "\r\n+CPBR: 1, \"030\", 129, \"Smith, Anna\"\r\n\r\nOK\r\n");
}

TEST(FaultSetTest, MatchesByCaseInsensitivePrefixAndCountsDown) {
  FaultSet faults;
  faults.Add({FaultKind::Error, "at+cbc", 2});
  faults.Add({FaultKind::Garbage, "", -1});
  faults.Add({FaultKind::CutOff, "AT", 0});  // fires never: not kept
  EXPECT_TRUE(faults.HasPending(FaultKind::Error));
  EXPECT_FALSE(faults.HasPending(FaultKind::CutOff));
  EXPECT_EQ(faults.Take("AT+CBC")->kind, FaultKind::Error);
  EXPECT_EQ(faults.Take("AT+CSQ")->kind, FaultKind::Garbage);
  EXPECT_EQ(faults.Take("At+Cbc=?")->kind, FaultKind::Error);
  EXPECT_EQ(faults.Take("AT+CBC")->kind, FaultKind::Garbage);
  EXPECT_FALSE(faults.HasPending(FaultKind::Error));
}

}  // namespace
}  // namespace telvane::sim
