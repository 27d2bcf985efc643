// The message memory and message sending in PDU mode, as command mode and the SMS windows
// use them: AT+CMGL, AT+CMGR, AT+CMGD, AT+CMGS and AT+CMGW.
#include <gtest/gtest.h>

#include <string>

#include "engine_test.h"
#include "sim/pty_phone.h"
#include "sim/state_json.h"
#include "support/pty_client.h"

namespace telvane::sim {
namespace {

constexpr std::string_view kOk = "\r\nOK\r\n";

// An SMS-SUBMIT with the phone's own centre ("00") and its AT+CMGS length.
struct Pdu {
  std::string hex;
  std::size_t length;
};

// "Hallo" to +491701234567.
const Pdu kHallo{"0011000C919471103254760000AA05C8309BFD06", 19};
// "Entwurf", stored without recipient.
const Pdu kDraft{"00110000000000AA074537FD5E979B01", 15};

// A full 7-bit part to +491701234567: 160 times "x", every eight codes 78 packed into
// seven octets 783C1E8FC7E3F1.
Pdu FullSevenBitPart() {
  std::string hex = "0011000C919471103254760000AAA0";
  for (int i = 0; i < 20; ++i) hex += "783C1E8FC7E3F1";
  return {hex, 154};
}

// A full 8-bit part to 0301234567 with a status report: 140 bytes E4.
Pdu FullEightBitPart() {
  std::string hex = "0031000A81301032547600F6AA8C";
  for (int i = 0; i < 140; ++i) hex += "E4";
  return {hex, 153};
}

class SmsCommandsTest : public EngineTest {
 protected:
  // The header, the prompt, then the data line ended by Ctrl-Z; the answer to the data line.
  std::string Prompted(const std::string& header, const std::string& hex) {
    const std::string prompt = Send(header);
    if (prompt != "\r\n> ") {
      return prompt;
    }
    return engine_->Feed(hex + "\x1a");
  }

  std::string SendSms(const Pdu& pdu) {
    return Prompted("AT+CMGS=" + std::to_string(pdu.length), pdu.hex);
  }
};

TEST_F(SmsCommandsTest, ListingShowsUnreadMessagesOnceThenTheyAreRead) {
  const PhoneState before = engine_->Snapshot();
  const std::string unread = "\r\n+CMGL: 4,0,,47\r\n" + before.messages[3].pdu +
                             "\r\n+CMGL: 5,0,,57\r\n" + before.messages[4].pdu +
                             "\r\n+CMGL: 6,0,,96\r\n" + before.messages[5].pdu +
                             "\r\n+CMGL: 15,0,,25\r\n" + before.messages[14].pdu + "\r\n";
  EXPECT_EQ(Send("AT+CMGL"), unread + std::string(kOk));  // the action form lists unread
  EXPECT_TRUE(engine_->TakeStateChanged());
  EXPECT_EQ(Send("AT+CMGL=0"), kOk);
  const std::string all = Send("AT+CMGL=4");
  for (const std::string header :
       {"+CMGL: 1,1,,57\r\n", "+CMGL: 2,3,,35\r\n", "+CMGL: 3,1,,51\r\n", "+CMGL: 4,1,,47\r\n",
        "+CMGL: 5,1,,57\r\n", "+CMGL: 9,1,,159\r\n", "+CMGL: 15,1,,25\r\n"}) {
    EXPECT_NE(all.find(header), std::string::npos) << header;
  }
  EXPECT_LT(all.find("+CMGL: 4,"), all.find("+CMGL: 5,"));
  EXPECT_EQ(Send("AT+CMGL=?"), "\r\n+CMGL: (0-4)\r\n\r\nOK\r\n");
}

TEST_F(SmsCommandsTest, SmsErrorsFollowCmeeAsCmsError) {
  EXPECT_EQ(Send("AT+CMGL=5"), "\r\nERROR\r\n");
  Send("AT+CMEE=1");
  EXPECT_EQ(Send("AT+CMGL=5"), "\r\n+CMS ERROR: 304\r\n");
  EXPECT_EQ(Send("AT+CMGL=\"ALL\""), "\r\nERROR\r\n");  // text mode form: not understood
  Send("AT+CMEE=2");
  EXPECT_EQ(Send("AT+CMGL=5"), "\r\n+CMS ERROR: invalid PDU mode parameter\r\n");
  EXPECT_EQ(Send("AT+CMGR=26"), "\r\n+CMS ERROR: invalid memory index\r\n");
}

TEST_F(SmsCommandsTest, ReadingOneMessageMarksItReadAndAnEmptyIndexIsAnError) {
  const std::string pdu = engine_->Snapshot().messages[4].pdu;
  EXPECT_EQ(Send("AT+CMGR=5"), "\r\n+CMGR: 0,,57\r\n" + pdu + "\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMGR=5"), "\r\n+CMGR: 1,,57\r\n" + pdu + "\r\n\r\nOK\r\n");
  Send("AT+CMEE=1");
  EXPECT_EQ(Send("AT+CMGR=16"), "\r\n+CMS ERROR: 321\r\n");
  EXPECT_EQ(Send("AT+CMGR=0"), "\r\n+CMS ERROR: 321\r\n");
  EXPECT_EQ(Send("AT+CMGR"), "\r\nERROR\r\n");
}

TEST_F(SmsCommandsTest, DeletedMessagesAreGoneAndAnEmptyIndexStillAnswersOk) {
  EXPECT_EQ(Send("AT+CMGD=4"), kOk);
  EXPECT_EQ(Send("AT+CMGD=1,0"), kOk);
  EXPECT_EQ(Send("AT+CMGD=4"), kOk);
  const std::string all = Send("AT+CMGL=4");
  EXPECT_EQ(all.find("+CMGL: 4,"), std::string::npos);
  EXPECT_EQ(all.find("+CMGL: 1,"), std::string::npos);
  EXPECT_NE(all.find("+CMGL: 5,"), std::string::npos);
  EXPECT_EQ(engine_->Snapshot().messages.size(), 13u);
  Send("AT+CMEE=1");
  EXPECT_EQ(Send("AT+CMGD=26"), "\r\n+CMS ERROR: 321\r\n");
  EXPECT_EQ(Send("AT+CMGD=5,4"), "\r\n+CMS ERROR: 304\r\n");
  EXPECT_EQ(engine_->Snapshot().messages.size(), 13u);
}

TEST_F(SmsCommandsTest, SentMessagesAreRecordedWithReferencesCountingUp) {
  PhoneState state = DemoPhone();
  state.messageReference = 254;
  Start(std::move(state));
  const Pdu first = FullSevenBitPart();
  const Pdu second = FullEightBitPart();
  EXPECT_EQ(SendSms(first), "\r\n+CMGS: 254\r\n\r\nOK\r\n");
  EXPECT_EQ(SendSms(second), "\r\n+CMGS: 255\r\n\r\nOK\r\n");
  // ESC cancels: nothing is sent and no reference used.
  EXPECT_EQ(Send("AT+CMGS=" + std::to_string(first.length)), "\r\n> ");
  EXPECT_EQ(engine_->Feed(first.hex + "\x1b"), kOk);
  EXPECT_EQ(SendSms(first), "\r\n+CMGS: 0\r\n\r\nOK\r\n");
  const PhoneState after = engine_->Snapshot();
  ASSERT_EQ(after.sent.size(), 3u);
  EXPECT_EQ(after.sent[0].pdu, first.hex);
  EXPECT_EQ(after.sent[1].pdu, second.hex);
  EXPECT_EQ(after.messageReference, 1);
  EXPECT_EQ(after.messages.size(), 15u);  // sending stores nothing
}

TEST_F(SmsCommandsTest, MalformedPdusAreRefusedAndNothingIsSent) {
  Send("AT+CMEE=1");
  const Pdu& good = kHallo;
  const std::string length = std::to_string(good.length);
  const std::string tooShort = good.hex.substr(0, good.hex.size() - 2);
  const std::string deliver = engine_->Snapshot().messages[0].pdu;
  // Each refusal with the phone's own code.
  const std::string cases[][3] = {
      {"AT+CMGS=" + std::to_string(good.length + 1), good.hex, "549"},  // wrong length
      {"AT+CMGS=" + length, good.hex + "0", "517"},                     // odd digit count
      {"AT+CMGS=" + length, "0G" + good.hex.substr(2), "517"},          // not hex
      {"AT+CMGS=" + length, good.hex + "\r\n", "517"},          // line ends are no hex digits
      {"AT+CMGS=" + length, "0C" + good.hex.substr(2), "554"},  // centre of 12 octets
      {"AT+CMGS=" + std::to_string(good.length - 1), tooShort, "553"},  // data shorter than UDL
      {"AT+CMGS=57", deliver, "550"},  // the demo phone's first message, an SMS-DELIVER
  };
  for (const auto& [header, hex, code] : cases) {
    EXPECT_EQ(Prompted(header, hex), "\r\n+CMS ERROR: " + code + "\r\n") << header << " " << hex;
  }
  EXPECT_EQ(Send("AT+CMGS=200"), "\r\n+CMS ERROR: 549\r\n");  // refused before the prompt
  EXPECT_EQ(Send("AT+CMGS=x"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CFUN=0"), kOk);  // radio off: no network to send through
  EXPECT_EQ(SendSms(good), "\r\n+CMS ERROR: 331\r\n");
  EXPECT_TRUE(engine_->Snapshot().sent.empty());
  EXPECT_EQ(engine_->Snapshot().messageReference, 0);
}

TEST_F(SmsCommandsTest, StoredMessagesTakeTheFirstFreeIndexUntilTheMemoryIsFull) {
  const Pdu& draft = kDraft;
  const std::string length = std::to_string(draft.length);
  EXPECT_EQ(Prompted("AT+CMGW=" + length, draft.hex), "\r\n+CMGW: 16\r\n\r\nOK\r\n");
  Send("AT+CMGD=2");
  EXPECT_EQ(Prompted("AT+CMGW=" + length + ",3", draft.hex), "\r\n+CMGW: 2\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMGL=2"),
            "\r\n+CMGL: 16,2,," + length + "\r\n" + draft.hex + "\r\n" + std::string(kOk));
  EXPECT_EQ(Send("AT+CMGR=2"),
            "\r\n+CMGR: 3,," + length + "\r\n" + draft.hex + "\r\n" + std::string(kOk));
  Send("AT+CMEE=1");
  EXPECT_EQ(Send("AT+CMGW=" + length + ",4"), "\r\n+CMS ERROR: 514\r\n");

  PhoneState small = DemoPhone();
  small.messageCapacity = 16;
  Start(std::move(small));
  Send("AT+CMEE=1");
  EXPECT_EQ(Prompted("AT+CMGW=" + length, draft.hex), "\r\n+CMGW: 16\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMGW=" + length), "\r\n+CMS ERROR: 322\r\n");
  EXPECT_EQ(engine_->Snapshot().messages.size(), 16u);
  EXPECT_EQ(Send("AT+CPMS?"), "\r\n+CPMS: \"SM\",16,16,\"SM\",16,16,\"SM\",16,16\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SMGO?"), "\r\n^SMGO: 0,1\r\n\r\nOK\r\n");  // buffer full
  Send("AT+CMGD=1");
  EXPECT_EQ(Send("AT^SMGO?"), "\r\n^SMGO: 0,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPMS=\"SM\""), "\r\n+CPMS: 15,16,15,16,15,16\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPMS=\"ME\""), "\r\n+CMS ERROR: 303\r\n");
  EXPECT_EQ(Send("AT+CMGF=1"), "\r\n+CMS ERROR: 303\r\n");  // PDU mode only
}

TEST(SmsFaultTest, StateFileFaultsStrikeTheListingAndTheSentPduLine) {
  PhoneState state = DemoPhone();
  state.faults.push_back({FaultKind::Error, "AT+CMGL", 1});
  state.faults.push_back({FaultKind::Error, "00", 1});  // a data line with the phone's centre
  const auto phone = PtyPhone::Start(std::move(state), {});
  testing::PtyClient client(phone->DevicePath());
  ASSERT_EQ(client.Command("ATE0"), "ATE0\r\r\nOK\r\n");
  EXPECT_EQ(client.Command("AT+CMGL=4"), "\r\nERROR\r\n");
  EXPECT_TRUE(client.Command("AT+CMGL=4").starts_with("\r\n+CMGL: 1,1,,57\r\n"));
  const Pdu& pdu = kHallo;
  client.Send("AT+CMGS=" + std::to_string(pdu.length) + "\r");
  EXPECT_EQ(client.ReadThrough("> "), "\r\n> ");
  client.Send(pdu.hex + "\x1a");
  EXPECT_EQ(client.ReadThrough("ERROR\r\n"), "\r\nERROR\r\n");
  EXPECT_TRUE(phone->StateSnapshot().sent.empty());
}

}  // namespace
}  // namespace telvane::sim
