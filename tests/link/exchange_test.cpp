#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "link_fixture.h"

namespace telvane::testing {
namespace {

using namespace std::chrono_literals;
using link::ExchangeFailure;

TEST_F(SerialExchangeTest, FinalResultEndsTheCommandWithItsAnswerInTheBuffer) {
  struct Case {
    std::string reply;
    bool ok;
    std::string answer;
  };
  const Case cases[] = {
      {"\r\n+CBC: 0,80\r\n\r\nOK\r\n", true, "\r\n+CBC: 0,80\r\n\r\nOK\r\n"},
      {std::string("\r\nA\0B\r\n\r\nOK\r\n", 13), true, "\r\nA@B\r\n\r\nOK\r\n"},  // zero byte
      {"\r\n+CME ERROR: 10\r\n", false, "\r\n+CME ERROR: 10\r\n"},
      {"\r\n+CMS ERROR: 321\r\n", false, "\r\n+CMS ERROR: 321\r\n"},
      {"\r\nERROR\r\n", false, "\r\nERROR\r\n"},
      // Final results are whole lines: data holding their words ends nothing.
      {"\r\nNOTEBOOK\r\nX OK\r\n+CPBR: 1,\"1\",129,\"ERROR: call me\"\r\nERROR: 3\r\nOK\r\n", true,
       "\r\nNOTEBOOK\r\nX OK\r\n+CPBR: 1,\"1\",129,\"ERROR: call me\"\r\nERROR: 3\r\nOK\r\n"},
  };
  for (const Case& c : cases) {
    peer_.Reply(c.reply);
    EXPECT_EQ(exchange_.SendCommand("AT+CBC"), c.ok) << c.reply;
    EXPECT_EQ(exchange_.Answer(), c.answer);
    EXPECT_EQ(exchange_.LastFailure(), c.ok ? ExchangeFailure::None : ExchangeFailure::ErrorResult);
  }
  EXPECT_EQ(peer_.Lines(), std::vector<std::string>(std::size(cases), "AT+CBC"));
}

TEST_F(SerialExchangeTest, SilentPhoneFailsAfterTheFirstByteWait) {
  EXPECT_FALSE(exchange_.SendCommand("AT+CBC"));
  EXPECT_EQ(exchange_.LastFailure(), ExchangeFailure::NoAnswer);
  EXPECT_EQ(exchange_.Answer(), "");
}

TEST_F(SerialExchangeTest, PromptIsSeenBeforeItsBlank) {
  // Only a ">" that opens a line is the prompt.
  peer_.OnNextLine({PeerStep{0ms, "\r\nA>B\r\n>"}, PeerStep{100ms, " "}});
  EXPECT_TRUE(exchange_.SendPromptCommand("AT+CMGS=23", false));
  EXPECT_EQ(exchange_.Answer(), "\r\nA>B\r\n>");
  ASSERT_TRUE(peer_.WaitForReactions());  // the phone has sent its blank

  // The data block goes without CR; the blank left over from the prompt is not part
  // of its answer.
  peer_.Reply("\r\n+CMGS: 5\r\n\r\nOK\r\n");
  EXPECT_TRUE(exchange_.SendPromptCommand("0011000C9194\x1a", true));
  EXPECT_EQ(exchange_.Answer(), "\r\n+CMGS: 5\r\n\r\nOK\r\n");
  ASSERT_TRUE(peer_.WaitForLines(2));
  EXPECT_EQ(peer_.Lines().at(1), "0011000C9194\x1a");

  peer_.Reply("\r\nERROR\r\n");
  EXPECT_FALSE(exchange_.SendPromptCommand("AT^SBNW=\"bmp\",0,1,2", false));
}

TEST_F(SerialExchangeTest, DialResults) {
  const std::pair<const char*, int> cases[] = {
      {"\r\nOK\r\n", 1},          {"\r\nERROR\r\n", 0}, {"\r\nNO CARRIER\r\n", 2},
      {"\r\nNO DIALTONE\r\n", 3}, {"\r\nBUSY\r\n", 4},  {"\r\nNOT BUSY\r\nNO CARRIER\r\n", 2}};
  for (const auto& [answer, expected] : cases) {
    peer_.Reply(answer);
    EXPECT_EQ(exchange_.SendDialCommand("ATD0301234;"), expected) << answer;
  }
  EXPECT_EQ(exchange_.SendDialCommand("ATD0301234;"), 0);  // no answer at all

  // A dial answer keeps a zero byte, which ends the text, but the final result behind it
  // still counts.
  peer_.Reply(std::string("\r\nX\0\r\nBUSY\r\n", 12));
  EXPECT_EQ(exchange_.SendDialCommand("ATD1;"), 4);
  EXPECT_EQ(exchange_.Answer(), "\r\nX");
}

TEST_F(SerialExchangeTest, LongCommandEndsOnAnOkLine) {
  const std::string answer = "\r\n+COPS: (2,\"TOKYO OK\",,\"44010\"),,(0-4),(0,2)\r\n\r\nOK\r\n";
  peer_.Reply(answer);
  EXPECT_TRUE(exchange_.SendLongCommand("AT+COPS=?"));
  EXPECT_EQ(exchange_.Answer(), answer);
  peer_.Reply("\r\nERROR\r\n");
  EXPECT_FALSE(exchange_.SendLongCommand("AT^SPLM=?"));
}

TEST_F(SerialExchangeTest, LastAnswerTokenTakesTheWordBeforeOkAndShortensTheAnswer) {
  peer_.Reply("\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CSQ"));
  EXPECT_EQ(exchange_.LastAnswerToken(), "17,99");
  EXPECT_EQ(exchange_.Answer(), "\r\n+CSQ: 17,99");

  peer_.Reply("\r\n262011234567890\r\n\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CIMI"));
  EXPECT_EQ(exchange_.LastAnswerToken(), "262011234567890");
  peer_.Reply("\r\nNOTEBOOK\r\n\r\nOK\r\n");  // the word ends in "OK", the line is data
  ASSERT_TRUE(exchange_.SendCommand("AT+CGMM"));
  EXPECT_EQ(exchange_.LastAnswerToken(), "NOTEBOOK");
  // Garbage and unsolicited lines do not confuse the final result.
  peer_.Reply("\x01\xff\x80\x1b\r\n\r\nRING\r\n\r\n+CBC: 0,50\r\n\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CBC"));
  EXPECT_EQ(exchange_.LastAnswerToken(), "0,50");

  // Nothing before the final result, and no final result at all.
  peer_.Reply("\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT"));
  EXPECT_EQ(exchange_.LastAnswerToken(), std::nullopt);
  peer_.Reply("\r\nERROR\r\n");
  ASSERT_FALSE(exchange_.SendCommand("AT"));
  EXPECT_EQ(exchange_.LastAnswerToken(), std::nullopt);
}

TEST_F(SerialExchangeTest, UnsolicitedCodesLeaveTheAnswerAndWaitInTheQueue) {
  peer_.Reply("\r\n+CGMI: SIEMENS\r\n\r\nRING\r\n\r\n+CMTI: \"SM\",3\r\n\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CGMI"));
  EXPECT_EQ(exchange_.Answer(), "\r\n+CGMI: SIEMENS\r\n\r\nOK\r\n");
  EXPECT_EQ(exchange_.LastAnswerToken(), "SIEMENS");

  // The command's own prefix stays; a registration code inside another answer goes.
  peer_.Reply("\r\n+CREG: 2,1,\"5E25\",\"605F\"\r\n\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CREG?"));
  EXPECT_EQ(exchange_.Answer(), "\r\n+CREG: 2,1,\"5E25\",\"605F\"\r\n\r\nOK\r\n");
  peer_.Reply("\r\n+CSQ: 21,99\r\n+CREG: 1\r\n+CUSD: 0\r\n^SBC: Undervoltage\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CSQ"));
  EXPECT_EQ(exchange_.Answer(), "\r\n+CSQ: 21,99\r\nOK\r\n");
  // Lines that only contain a code's name are answers.
  peer_.Reply("\r\n+CPBR: 1,\"RING\",129,\"RING\"\r\nRINGO\r\nOK\r\n");
  ASSERT_TRUE(exchange_.SendCommand("AT+CPBR=1"));
  EXPECT_EQ(exchange_.Answer(), "\r\n+CPBR: 1,\"RING\",129,\"RING\"\r\nRINGO\r\nOK\r\n");

  std::vector<std::string> kept;
  for (const link::UnsolicitedCode& code : exchange_.TakeUnsolicited()) kept.push_back(code.line);
  EXPECT_EQ(kept, (std::vector<std::string>{"RING", "+CMTI: \"SM\",3", "+CREG: 1", "+CUSD: 0",
                                            "^SBC: Undervoltage"}));
  EXPECT_TRUE(exchange_.TakeUnsolicited().empty());
}

TEST(UnsolicitedQueue, KeepsTheNewestWithinItsCapacity) {
  link::UnsolicitedQueue queue;
  for (int i = 0; i < 20; ++i) queue.Push({std::to_string(i), {}});
  const auto codes = queue.TakeAll();
  ASSERT_EQ(codes.size(), link::UnsolicitedQueue::kCapacity);
  EXPECT_EQ(codes.front().line, "4");
  EXPECT_EQ(codes.back().line, "19");
}

TEST_F(SerialExchangeTest, LeftoverInputBelongsToNoCommandButItsCodesAreKept) {
  peer_.SendNow("\r\n+CREG: 1\r\nrest of an answer\r\nOK\r\nRING\r\n+CMTI: \"SM\"," +
                std::string(2000, '1') + "\r\n");
  peer_.Reply("\r\nOK\r\n");
  EXPECT_TRUE(exchange_.SendCommand("AT+CREG?"));
  EXPECT_EQ(exchange_.Answer(), "\r\nOK\r\n");
  // A code that starts in the same read as the final result.
  peer_.OnNextLine({PeerStep{0ms, "\r\nOK\r\nRI"}, PeerStep{50ms, "NG\r\n"}});
  EXPECT_TRUE(exchange_.SendCommand("AT"));
  ASSERT_TRUE(peer_.WaitForReactions());
  peer_.Reply("\r\nOK\r\n");
  EXPECT_TRUE(exchange_.SendCommand("AT"));
  std::vector<std::string> kept;
  for (const link::UnsolicitedCode& code : exchange_.TakeUnsolicited()) kept.push_back(code.line);
  // An overlong line is dropped.
  EXPECT_EQ(kept, (std::vector<std::string>{"+CREG: 1", "RING", "RING"}));
}

TEST_F(SerialExchangeTest, FloodLargerThanTheBufferFailsCleanly) {
  std::string flood;
  while (flood.size() < 30000) flood += "+CPBR: 1,\"0301234\",129,\"Flood\"\r\n";
  peer_.Reply(flood);
  EXPECT_FALSE(exchange_.SendCommand("AT+CPBR=1,250"));
  EXPECT_EQ(exchange_.LastFailure(), ExchangeFailure::TooLong);
  EXPECT_EQ(exchange_.Answer().size(), link::kAnswerBufferSize - 1);
}

TEST_F(SerialExchangeTest, AnswerThatStopsHalfwayFailsAfterTheStallLimit) {
  peer_.Reply("\r\n+CBC: 0,");
  EXPECT_FALSE(exchange_.SendCommand("AT+CBC"));
  EXPECT_EQ(exchange_.LastFailure(), ExchangeFailure::Stalled);
  EXPECT_EQ(exchange_.Answer(), "\r\n+CBC: 0,");
}

TEST_F(SerialExchangeTest, LineGoingAwayFailsTheExchange) {
  peer_.OnNextLine({PeerStep{0ms, "\r\n+CB"}, PeerStep{50ms, "", true}});
  EXPECT_FALSE(exchange_.SendCommand("AT+CBC"));
  EXPECT_EQ(exchange_.LastFailure(), ExchangeFailure::ReadFailed);
  EXPECT_FALSE(exchange_.SendCommand("AT+CBC"));
}

TEST_F(SerialExchangeTest, UnsafeOrOverlongCommandsAreRefusedWithoutSending) {
  EXPECT_FALSE(exchange_.SendCommand(std::string(259, 'A')));
  EXPECT_EQ(exchange_.LastFailure(), ExchangeFailure::Refused);
  EXPECT_FALSE(exchange_.SendCommand("AT+CPBW=1,\"0301\",129,\"Anna\"\rATD0900;"));
  EXPECT_FALSE(exchange_.SendCommand("AT+CPBW=1,\"0301\",129,\"Anna\nX\""));
  EXPECT_FALSE(exchange_.SendCommand("AT\x1a"));
  EXPECT_FALSE(
      exchange_.SendPromptCommand("00\x1a"
                                  "11\x1a",
                                  true));

  peer_.Reply("\r\nOK\r\n");
  EXPECT_TRUE(exchange_.SendCommand(std::string(258, 'A')));
  ASSERT_TRUE(peer_.WaitForLines(1));
  EXPECT_EQ(peer_.Lines().size(), 1u);  // only the acceptable command reached the phone
}

TEST_F(SerialExchangeTest, EveryWaitGoesThroughTheWaiterWhichCannotNestAnExchange) {
  int waits = 0;
  bool nestedResult = true;
  link::ExchangeFailure nestedFailure = ExchangeFailure::None;
  exchange_.SetWaiter([&](int fd, short events, std::chrono::milliseconds limit) {
    if (++waits == 1) {
      nestedResult = exchange_.SendCommand("AT");
      nestedFailure = exchange_.LastFailure();
    }
    return link::PollWait(fd, events, limit);
  });
  peer_.OnNextLine({PeerStep{100ms, "\r\nOK\r\n"}});
  EXPECT_TRUE(exchange_.SendCommand("AT+CBC"));
  EXPECT_GE(waits, 1);
  EXPECT_FALSE(nestedResult);
  EXPECT_EQ(nestedFailure, ExchangeFailure::Busy);
  EXPECT_EQ(peer_.Lines().size(), 1u);

  // A waiter that reports the line gone ends the exchange as a read failure.
  exchange_.SetWaiter(
      [](int, short, std::chrono::milliseconds) { return link::WaitOutcome::HangUp; });
  EXPECT_FALSE(exchange_.SendCommand("AT"));
  EXPECT_EQ(exchange_.LastFailure(), ExchangeFailure::ReadFailed);
}

TEST_F(SerialExchangeTest, LineByLineAnswerPassesTheBufferAndEndsOnlyOnAResultLine) {
  // 1500 lines of 28 bytes: twice the answer buffer; a name holding "OK" ends nothing.
  std::string answer = "\r\n^SPLM: \"26201\",\"TOKYO OK\"\r\n";
  for (int i = 0; i < 1500; ++i) answer += "^SPLM: \"26202\",\"Suednetz\"\r\n";
  peer_.Reply(answer + "\r\nOK\r\n");
  std::vector<std::string> lines;
  EXPECT_TRUE(exchange_.SendLongCommand(
      "AT^SPLM", [&lines](std::string_view line) { lines.emplace_back(line); }));
  ASSERT_EQ(lines.size(), 1501u);
  EXPECT_EQ(lines.front(), "^SPLM: \"26201\",\"TOKYO OK\"");
  EXPECT_EQ(exchange_.Answer(), "OK");

  EXPECT_TRUE(exchange_.TakeUnsolicited().empty());

  // A code the phone sends on its own is queued, not handed over as a line of the answer.
  peer_.Reply("\r\n^SPLM: \"26201\",\"Nordnetz\"\r\nRING\r\n+CMTI: \"SM\",2\r\n+CME ERROR: 30\r\n");
  lines.clear();
  EXPECT_FALSE(exchange_.SendLongCommand(
      "AT^SPLM", [&lines](std::string_view line) { lines.emplace_back(line); }));
  EXPECT_EQ(lines, std::vector<std::string>{"^SPLM: \"26201\",\"Nordnetz\""});
  EXPECT_EQ(exchange_.LastFailure(), link::ExchangeFailure::ErrorResult);
  EXPECT_EQ(exchange_.TakeUnsolicited().size(), 2u);
}

}  // namespace
}  // namespace telvane::testing
