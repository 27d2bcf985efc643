// Reading the service centre and routing recipients to centres by prefix.
#include "sms/sms_centre.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_phone_test.h"

namespace telvane::sms {
namespace {

using testing::ScriptedPhoneTest;

class ReadSmsCentreTest : public ScriptedPhoneTest {
 protected:
  config::RunState run_{.pin2 = {}, .smsCentreNumber = "+4900", .smsCentreType = 145};
};

TEST_F(ReadSmsCentreTest, QuotedNumberIsTakenAndTheTypeReadWhereTheNumberStands) {
  peer_.Reply("\r\n+CSCA: \"+491234567890\",145\r\n\r\nOK\r\n");
  EXPECT_TRUE(ReadSmsCentre(exchange_, run_));
  EXPECT_EQ(run_.smsCentreNumber, "+491234567890");
  EXPECT_EQ(run_.smsCentreType, 0);
  EXPECT_EQ(SentLines(), (testing::Lines{"AT+CSCA?"}));

  peer_.Reply("\r\n+CSCA: 145,\"" + std::string(40, '1') + "\"\r\n\r\nOK\r\n");
  EXPECT_TRUE(ReadSmsCentre(exchange_, run_));
  EXPECT_EQ(run_.smsCentreNumber, std::string(29, '1'));
  EXPECT_EQ(run_.smsCentreType, 145);
}

TEST_F(ReadSmsCentreTest, GarbledOrFailedAnswerLeavesTheCentre) {
  for (const char* answer : {"\r\n+CSCA: \"+4912\r\n\"\r\nOK\r\n",
                             "\r\n+CSCX: \"+49\"\r\n\r\nOK\r\n", "\r\nERROR\r\n"}) {
    peer_.Reply(answer);
    EXPECT_FALSE(ReadSmsCentre(exchange_, run_)) << answer;
    EXPECT_EQ(run_.smsCentreNumber, "+4900");
    EXPECT_EQ(run_.smsCentreType, 145);
  }
}

TEST(ParseCentreAnswerTest, TheStatedTypeFollowsTheNumberOnItsLine) {
  EXPECT_EQ(ParseCentreAnswer("+CSCA: \"0171\", 145\r\nOK")->statedType, 145);
  EXPECT_EQ(ParseCentreAnswer("+CSCA: \"0171\"\r\n,145\r\nOK")->statedType, std::nullopt);
}

TEST(CentreForTest, FirstNonEmptyPrefixFoundAnywhereChoosesItsCentre) {
  CentreRoutes routes;
  routes.prefix[1] = "999";
  routes.center[2] = "+4911";  // pair without prefix: never chosen
  routes.prefix[4] = "172";
  routes.center[4] = "+49172";
  routes.prefix[6] = "0172";
  routes.center[6] = "+49999";
  EXPECT_EQ(CentreFor("01721234", "+4900", routes), "+49172");
  EXPECT_EQ(CentreFor("+491731234", "+4900", routes), "+4900");
  EXPECT_EQ(CentreFor("", "", routes), "");
}

}  // namespace
}  // namespace telvane::sms
