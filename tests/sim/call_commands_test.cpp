// Dialling, redialling, hanging up, the dialled-numbers list and the service centre.
#include <gtest/gtest.h>

#include <string>

#include "engine_test.h"

namespace telvane::sim {
namespace {

class CallCommandsTest : public EngineTest {
 protected:
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

}  // namespace
}  // namespace telvane::sim
