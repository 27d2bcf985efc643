// What the network brings back to the phone: status reports, messages to its own numbers
// (waiting while the memory is full), and received messages written back with AT+CMGW.
#include "sim/sms_delivery.h"

#include <gtest/gtest.h>

#include <string>

#include "engine_test.h"

namespace telvane::sim {
namespace {

// "Hallo" to +491701234567, status report requested (first octet 31).
constexpr std::string_view kReportedSubmit = "0031000C919471103254760000AA05C8309BFD06";
// "Hi" with a concatenation header (reference 01, part 1 of 2) to the own number in its
// national form 01701112233.
constexpr std::string_view kToOwnNumber = "0051000B811007112132F30000AA090500030102019069";
// What arrives for it: from +491701112233 through +491770000000, header kept, the clock's
// 26/12/06 09:30:00 as time stamp.
constexpr std::string_view kOwnDelivery =
    "0791947107000000440C91947110112233000062216090030000090500030102019069";
// An 8-bit SMS-DELIVER "Tür-Code: 4711" as gammu restores it from a backup.
constexpr std::string_view kEightBitDeliver =
    "0791947107000000000C919471435465760004622110214365000E54FC722D436F64653A2034373131";

class SmsDeliveryTest : public EngineTest {
 protected:
  std::string Prompted(const std::string& header, std::string_view hex) {
    const std::string prompt = Send(header);
    return prompt == "\r\n> " ? engine_->Feed(std::string(hex) + "\x1a") : prompt;
  }
};

TEST_F(SmsDeliveryTest, RequestedStatusReportIsStoredOnlyWhileCnmiDsIsTwo) {
  EXPECT_EQ(Prompted("AT+CMGS=19", kReportedSubmit), "\r\n+CMGS: 0\r\n\r\nOK\r\n");
  EXPECT_EQ(engine_->Snapshot().messages.size(), 15u);
  EXPECT_EQ(Send("AT+CNMI=1,0,0,2"), "\r\nOK\r\n");
  EXPECT_EQ(Prompted("AT+CMGS=19", kReportedSubmit), "\r\n+CMGS: 1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMGR=16"),
            "\r\n+CMGR: 0,,25\r\n"
            "079194710700000006010C91947110325476622160900300006221609003000000\r\n\r\nOK\r\n");
  EXPECT_EQ(engine_->Snapshot().messageIndications[3], 2);
  EXPECT_EQ(Send("ATZ"), "\r\nOK\r\n");  // the profile switches the reports off again
  EXPECT_EQ(engine_->Snapshot().messageIndications[3], 0);
}

TEST_F(SmsDeliveryTest, MessageToAnOwnNumberArrivesAndWaitsWhileTheMemoryIsFull) {
  PhoneState full = DemoPhone();
  full.messageCapacity = 15;
  Start(std::move(full));
  EXPECT_EQ(Send("AT^SMGO?"), "\r\n^SMGO: 0,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Prompted("AT+CMGS=22", kToOwnNumber), "\r\n+CMGS: 0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SMGO?"), "\r\n^SMGO: 0,2\r\n\r\nOK\r\n");
  ASSERT_EQ(engine_->Snapshot().waiting.size(), 1u);
  EXPECT_EQ(Send("AT+CMGD=3"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SMGO?"), "\r\n^SMGO: 0,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMGR=3"),
            "\r\n+CMGR: 0,,27\r\n" + std::string(kOwnDelivery) + "\r\n\r\nOK\r\n");
  EXPECT_TRUE(engine_->Snapshot().waiting.empty());
  EXPECT_EQ(Send("AT+CMGD=3"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SMGO?"), "\r\n^SMGO: 0,0\r\n\r\nOK\r\n");
}

TEST(SameSubscriberTest, NationalAndInternationalFormsOfOneNumberMeet) {
  EXPECT_TRUE(SameSubscriber("+491701112233", "01701112233"));
  EXPECT_TRUE(SameSubscriber("00491701112233", "+491701112233"));
  EXPECT_TRUE(SameSubscriber("01701112233", "01701112233"));
  EXPECT_FALSE(SameSubscriber("+491701112233", "+491701112234"));
  EXPECT_FALSE(SameSubscriber("+491701112233", "1701112233"));  // no prefix: another number
  EXPECT_FALSE(SameSubscriber("+491701112233", "0112233"));     // too much left for a country
  EXPECT_FALSE(SameSubscriber("+", "0"));
}

TEST_F(SmsDeliveryTest, ReceivedStatusesTakeDeliverPdusAndStoredOnesSubmitPdus) {
  Send("AT+CMEE=1");
  EXPECT_EQ(Prompted("AT+CMGW=33,1", kEightBitDeliver), "\r\n+CMGW: 16\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMGR=16"),
            "\r\n+CMGR: 1,,33\r\n" + std::string(kEightBitDeliver) + "\r\n\r\nOK\r\n");
  const std::string wrongType = "\r\n+CMS ERROR: 550\r\n";
  const std::string wrongLength = "\r\n+CMS ERROR: 549\r\n";
  EXPECT_EQ(Prompted("AT+CMGW=33,2", kEightBitDeliver), wrongType);    // stored: not a DELIVER
  EXPECT_EQ(Prompted("AT+CMGW=19,0", kReportedSubmit), wrongType);     // received: not a SUBMIT
  EXPECT_EQ(Prompted("AT+CMGW=34,0", kEightBitDeliver), wrongLength);  // one octet short
  EXPECT_EQ(Send("AT+CMGW=12,0"), wrongLength);                        // no DELIVER is that short
  EXPECT_EQ(Send("AT+CMGW=164,1"), wrongLength);
  EXPECT_EQ(Send("AT+CMGW=164,3"), "\r\n> ");
  EXPECT_EQ(engine_->Feed("\x1b"), "\r\nOK\r\n");
  EXPECT_EQ(engine_->Snapshot().messages.size(), 16u);
}

}  // namespace
}  // namespace telvane::sim
