// Sending and storing messages against a scripted phone: the exact command lines, the
// questions asked and the answers' effect.
#include "sms/sms_sending.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "support/scripted_phone_test.h"

namespace telvane::sms {
namespace {

using testing::kOk;
using testing::Lines;

constexpr const char* kPrompt = "\r\n> ";
constexpr const char* kError = "\r\nERROR\r\n";
constexpr const char* kSent = "\r\n+CMGS: 3\r\n\r\nOK\r\n";
constexpr const char* kCentre = "0791942143658709";     // +491234567890
constexpr const char* kRecipient = "0C91947110325476";  // +491701234567

// Records what sending shows and answers its questions from queues (empty: Cancel / No).
class RecordingFeedback : public SendFeedback {
 public:
  void ShowProgress(int part, int count) override {
    events.push_back("progress " + std::to_string(part) + "/" + std::to_string(count));
  }
  void CloseProgress() override { events.push_back("close"); }
  bool AskRetry() override { return Answer("retry?", retries); }
  bool AskStoreUnsent() override { return Answer("store?", stores); }
  void ReportStored(int index, const std::string& recipient, const std::string& text) override {
    events.push_back("stored " + std::to_string(index) + " " + recipient + " " + text);
  }
  void ReportFailure(const Outcome& failure) override {
    events.push_back("failed " + std::to_string(failure.messageId));
  }

  std::deque<bool> retries;
  std::deque<bool> stores;
  std::vector<std::string> events;

 private:
  bool Answer(const char* question, std::deque<bool>& answers) {
    events.push_back(question);
    const bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return yes;
  }
};

class SmsSendingTest : public testing::ScriptedPhoneTest {
 protected:
  SendResult Send(std::string text, SendMode mode = SendMode::kSendDialog) {
    request_.text = std::move(text);
    return SendSms(exchange_, settings_, request_, mode, feedback_);
  }

  SendSettings settings_ = [] {
    SendSettings settings;
    settings.centreNumber = "+491234567890";
    return settings;
  }();
  SendRequest request_{.text = {}, .recipient = "+491701234567"};
  RecordingFeedback feedback_;
};

TEST_F(SmsSendingTest, EightBitReportAndRoutedCentreShapeThePdu) {
  settings_.routes.prefix[4] = "49170";
  settings_.routes.center[4] = "+4917";  // 03919471
  request_.eightBit = true;
  request_.statusReport = true;
  Replies({kPrompt, kSent, kPrompt, kSent});
  EXPECT_EQ(Send(std::string(141, 'x')).partsSent, 2);
  const Lines lines = SentLines();
  EXPECT_EQ(lines[0], "AT+CMGS=154");
  EXPECT_EQ(lines[1].substr(0, 36), std::string("03919471") + "3100" + kRecipient + "00F6AA8C");
  EXPECT_EQ(lines[3], std::string("03919471") + "3101" + kRecipient + "00F6AA0178\x1a");
}

TEST_F(SmsSendingTest, CommandModeTriesTheDataThreeTimesThenGivesUp) {
  request_.eightBit = true;  // command mode always sends 7-bit
  Replies({kPrompt, kError, kPrompt, kError, kPrompt, kError});
  const SendResult result = Send("ok", SendMode::kCommandMode);
  EXPECT_EQ(result.partsSent, 0);
  const std::string data = std::string(kCentre) + "1100" + kRecipient + "0000AA02EF35\x1a";
  EXPECT_EQ(SentLines(), (Lines{"AT+CMGS=16", data, "AT+CMGS=16", data, "AT+CMGS=16", data}));
  EXPECT_EQ(feedback_.events, (Lines{"progress 1/1", "close"}));
}

TEST_F(SmsSendingTest, RetryRepeatsFromTheLengthCommand) {
  feedback_.retries = {true};
  Replies({kError, kPrompt, kSent});
  EXPECT_EQ(Send("ok").partsSent, 1);
  EXPECT_EQ(SentLines().size(), 3u);
  EXPECT_EQ(feedback_.events, (Lines{"progress 1/1", "retry?", "close"}));
}

TEST_F(SmsSendingTest, CancelOffersToStoreAndSendingGoesOnWithTheNextPart) {
  feedback_.stores = {true, true};
  Replies({kPrompt, kError, kPrompt, "\r\n+CMGW: 7\r\n\r\nOK\r\n",  // part 1: stored
           kError, kPrompt, kError});                               // part 2: store fails
  const SendResult result = Send(std::string(160, 'a') + "b");
  EXPECT_EQ(result.partsSent, 0);
  EXPECT_EQ(result.partsStoredUnsent, 1);
  const Lines lines = SentLines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2], "AT+CMGW=154,2");
  EXPECT_EQ(lines[3], lines[1]);
  EXPECT_EQ(lines[5], "AT+CMGW=15,2");
  EXPECT_EQ(feedback_.events, (Lines{"progress 1/2", "retry?", "close", "store?",
                                     "stored 7 +491701234567 " + std::string(160, 'a'),
                                     "progress 2/2", "retry?", "close", "store?", "failed 61"}));
}

TEST_F(SmsSendingTest, PredefinedTextIsStoredWithoutCentreOrRecipient) {
  request_.statusReport = true;
  Replies({kPrompt, "\r\n+CMGW: 12\r\n\r\nOK\r\n"});
  EXPECT_EQ(Send("ok", SendMode::kStorePredefined).partsSent, 1);
  EXPECT_EQ(SentLines(), (Lines{"AT+CMGW=10,2", "00110000000000AA02EF35\x1a"}));
  EXPECT_EQ(feedback_.events, (Lines{"stored 12  ok"}));
}

TEST_F(SmsSendingTest, NothingIsSentForAnEmptyTextOrAnUnwritableNumber) {
  EXPECT_EQ(Send("").partCount, 0);
  request_.recipient = "0171\r\nAT+CMGD=1";
  const SendResult result = Send(std::string(5000, 'a'));
  EXPECT_TRUE(result.badRecipient);
  EXPECT_EQ(result.partCount, 26);  // 4096 characters taken
  request_.recipient = "0171";
  settings_.centreNumber = "+49\"1";
  const SendResult badCentre = Send("a");
  EXPECT_TRUE(badCentre.badCentre);
  EXPECT_FALSE(badCentre.badRecipient);
  request_.recipient.clear();
  EXPECT_TRUE(Send("a").badRecipient);
  EXPECT_TRUE(SentLines().empty());
  EXPECT_TRUE(feedback_.events.empty());
}

}  // namespace
}  // namespace telvane::sms
