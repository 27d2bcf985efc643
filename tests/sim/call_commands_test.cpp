// Dialling, redialling, hanging up, the dialled-numbers list and the service centre.
#include <gtest/gtest.h>

#include <string>

#include "engine_test.h"

namespace telvane::sim {
namespace {

class CallCommandsTest : public EngineTest {
 protected:
  // A phone with an incoming call rings after its first command line already.
  void StartRinging(CurrentCall call) {
    PhoneState state = DemoPhone();
    state.currentCalls.push_back(std::move(call));
    engine_ = std::make_unique<AtEngine>(std::move(state), StandardCommandTable(),
                                         [this] { return now_; });
    ASSERT_EQ(engine_->Feed("ATE0\r"), "ATE0\r\r\nOK\r\n\r\nRING\r\n");
  }
  std::string Dialled(int position) {
    Send("AT+CPBS=LD");
    return Send("AT+CPBR=" + std::to_string(position));
  }
};

TEST_F(CallCommandsTest, DialledCallsAreRecordedInLdWithTheirNames) {
  EXPECT_EQ(Send("ATDT 0891;"), "\r\nOK\r\n");
  EXPECT_EQ(Send("ATD+4930;"), "\r\nERROR\r\n");  // a call is going on
  EXPECT_EQ(Send("AT+CHUP"), "\r\nOK\r\n");
  EXPECT_EQ(Dialled(1), "\r\n+CPBR: 1,\"0891\",129,\"\"\r\n\r\nOK\r\n");
  // ATD> dials an entry of the selected book; the list shows the entry's name.
  Send("AT^SPBS=SM");
  EXPECT_EQ(Send("ATD>2;"), "\r\nOK\r\n");
  Send("AT+CHUP");
  EXPECT_EQ(Dialled(1), "\r\n+CPBR: 1,\"+4930123456\",145,\"Papa\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Dialled(2), "\r\n+CPBR: 2,\"0891\",129,\"\"\r\n\r\nOK\r\n");
  // ATDL dials the last number again.
  EXPECT_EQ(Send("ATDL"), "\r\nOK\r\n");
  Send("ATH");
  EXPECT_EQ(Dialled(1), "\r\n+CPBR: 1,\"+4930123456\",145,\"Papa\"\r\n\r\nOK\r\n");
  // At most ten calls are kept.
  for (int i = 0; i < 12; ++i) {
    Send("ATD0301" + std::to_string(i) + ";");
    Send("AT+CHUP");
  }
  EXPECT_EQ(Dialled(10), "\r\n+CPBR: 10,\"03012\",129,\"\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SDMC"), "\r\nOK\r\n");
  EXPECT_EQ(Dialled(1), "\r\nOK\r\n");
  Send("AT+CMEE=2");
  EXPECT_EQ(Send("ATDL"), "\r\n+CME ERROR: not found\r\n");
}

TEST_F(CallCommandsTest, DialOutcomesFollowStateAndNetwork) {
  Send("AT^SPBS=SM");
  EXPECT_EQ(Send("ATD>13;"), "\r\nERROR\r\n");          // an empty entry
  EXPECT_EQ(Send("ATD0301234"), "\r\nNO CARRIER\r\n");  // no data calls
  EXPECT_EQ(Send("AT+CFUN=0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("ATD0301234;"), "\r\nNO DIALTONE\r\n");
  Send("AT+CFUN=1");

  PhoneState busy = DemoPhone();
  busy.dialResult = "BUSY";
  AtEngine engine(std::move(busy));
  engine.Feed("ATE0\r");
  EXPECT_EQ(engine.Feed("ATD0301234;\r"), "\r\nBUSY\r\n");
  EXPECT_EQ(engine.Feed("ATV0\r"), "0\r");
  EXPECT_EQ(engine.Feed("ATD0301234;\r"), "7\r");
  EXPECT_EQ(engine.Snapshot().books.dialled.Find(1)->number, "0301234");
}

TEST_F(CallCommandsTest, ServiceCentreIsReadAndSetAsTheProgramSendsIt) {
  EXPECT_EQ(Send("AT+CSCA?"), "\r\n+CSCA: \"+491770000000\",145\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCA=+4917,145"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCA?"), "\r\n+CSCA: \"+4917\",145\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCA=\"01770\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCA?"), "\r\n+CSCA: \"01770\",129\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CSCA=12a,129"), "\r\nERROR\r\n");
  EXPECT_EQ(engine_->Snapshot().serviceCentre, "01770");
}

// An incoming call rings after each command line: RING or +CRING, then +CLIP when asked.
TEST_F(CallCommandsTest, IncomingCallRingsWithTheCallersNumberAsClipAndCrcAsk) {
  EXPECT_EQ(Send("AT+CLIP=?"), "\r\n+CLIP: (0,1)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CRC=?"), "\r\n+CRC: (0,1)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLIP=2"), "\r\nERROR\r\n");
  StartRinging({2, 1, 4, 0, false, "+491701234567", 145});
  EXPECT_EQ(Send("AT+CLIP=1"), "\r\nOK\r\n\r\nRING\r\n\r\n+CLIP: \"+491701234567\",145\r\n");
  EXPECT_EQ(
      Send("AT+CLIP?;+CRC=1"),
      "\r\n+CLIP: 1,1\r\n\r\nOK\r\n\r\n+CRING: VOICE\r\n\r\n+CLIP: \"+491701234567\",145\r\n");
  EXPECT_EQ(Send("AT+CRC?;+CLIP=0"), "\r\n+CRC: 1\r\n\r\nOK\r\n\r\n+CRING: VOICE\r\n");
  EXPECT_EQ(Send("ATZ"), "\r\nOK\r\n\r\nRING\r\n");  // the profile: both off
  // A hidden number; the call answered elsewhere ends the ringing.
  StartRinging({1, 1, 4, 2, false, "", 128});
  EXPECT_EQ(Send("AT+CLIP=1;+CRC=1"), "\r\nOK\r\n\r\n+CRING: FAX\r\n\r\n+CLIP: \"\",128,,,,2\r\n");
  EXPECT_EQ(Send("AT+CHUP"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT"), "\r\nOK\r\n");
}

// USSD: the network's answer comes after OK as +CUSD:, from the state's "ussd".
TEST_F(CallCommandsTest, UssdRequestsAreAnsweredAfterOkWhenPresentationIsOn) {
  EXPECT_EQ(Send("AT+CUSD=?"), "\r\n+CUSD: (0-2)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CUSD=0,\"*100#\",15"), "\r\nOK\r\n");  // presentation off
  EXPECT_EQ(Send("AT+CUSD=1,\"*100#\",15"),
            "\r\nOK\r\n\r\n+CUSD: 0,\"Ihr Guthaben betraegt 12,50 EUR.\",15\r\n");
  EXPECT_EQ(Send("AT+CUSD?"), "\r\n+CUSD: 1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CUSD=1,\"*999#\""), "\r\nOK\r\n\r\n+CUSD: 4\r\n");
  EXPECT_EQ(Send("AT+CSCS=\"UCS2\""), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CUSD=1,\"002A0031003300350023\",15"),
            "\r\nOK\r\n\r\n+CUSD: 0,\"00490068007200650020004E0075006D006D00650072003A0020002B0034"
            "00390031003700300031003100310032003200330033\",15\r\n");
  EXPECT_EQ(Send("AT+CUSD=2"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CUSD=3"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CUSD=1,*100#"), "\r\nERROR\r\n");
  Send("AT+CMEE=1;+CSCS=\"GSM\";+CFUN=0");
  EXPECT_EQ(Send("AT+CUSD=1,\"*100#\""), "\r\n+CME ERROR: 30\r\n");
}

}  // namespace
}  // namespace telvane::sim
