// The net monitor's answer parsers on whole, cut-short, empty and extreme answers.
#include "network/net_status.h"

#include <gtest/gtest.h>

namespace telvane::network {
namespace {

TEST(NetStatusTest, OperatorNameAndCode) {
  EXPECT_EQ(ParseOperatorName("\r\n+COPS: 0,0,\"Nordnetz\"\r\n\r\nOK\r\n"), "Nordnetz");
  EXPECT_EQ(ParseNetworkCode("\r\n+COPS: 0,2,\"26201\"\r\n\r\nOK\r\n"), 26201);
  EXPECT_EQ(ParseNetworkCode("+COPS: 1,2,\"310260\"\r\n"), 310260);  // three-digit MNC
  EXPECT_EQ(ParseNetworkCode("+COPS: 0,2,26202\r\n"), 26202);
  // No network, cut short, empty, no prefix.
  for (const char* answer : {"+COPS: 0\r\n\r\nOK\r\n", "+COPS: 0,0,\"Nord", "", "OK\r\n"}) {
    EXPECT_EQ(ParseOperatorName(answer), std::nullopt) << answer;
    EXPECT_EQ(ParseNetworkCode(answer), std::nullopt) << answer;
  }
  EXPECT_EQ(ParseOperatorName("+COPS: 0,0,\"\"\r\n"), "");
}

TEST(NetStatusTest, RegistrationWithAreaAndCell) {
  const auto full = ParseRegistration("\r\n+CREG: 2,1,\"0F3C\",\"A1B2\"\r\n\r\nOK\r\n");
  ASSERT_TRUE(full);
  EXPECT_EQ(full->state, 1);
  EXPECT_EQ(full->lac, 0x0F3C);
  EXPECT_EQ(full->cell, 0xA1B2);
  const auto extremes = ParseRegistration("+CREG: 2,5,\"0000\",\"FFFF\"\r\n");
  ASSERT_TRUE(extremes);
  EXPECT_EQ(extremes->lac, 0);
  EXPECT_EQ(extremes->cell, 0xFFFF);
  const auto bare = ParseRegistration("+CREG: 2,0\r\n");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->state, 0);
  EXPECT_EQ(bare->lac, std::nullopt);
  // Cut inside the cell, a too long area, nothing after the mode.
  const auto cut = ParseRegistration("+CREG: 2,1,\"0F3C\",\"A1");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->lac, 0x0F3C);
  EXPECT_EQ(cut->cell, std::nullopt);
  EXPECT_EQ(ParseRegistration("+CREG: 2,1,\"10F3C\",\"A1B2\"")->lac, std::nullopt);
  EXPECT_EQ(ParseRegistration("+CREG: 2"), std::nullopt);
  EXPECT_EQ(ParseRegistration(""), std::nullopt);
}

TEST(NetStatusTest, SignalAndActivity) {
  EXPECT_EQ(ParseSignalQuality("+CSQ: 0,99"), 0);
  EXPECT_EQ(ParseSignalQuality("+CSQ: 31,0"), 31);
  EXPECT_EQ(ParseSignalQuality("+CSQ: 99,99"), 99);
  EXPECT_EQ(ParseSignalQuality("+CSQ: 32,99"), std::nullopt);
  EXPECT_EQ(ParseSignalQuality("+CSQ:"), std::nullopt);
  EXPECT_EQ(ParseActivity("\r\n+CPAS: 4\r\n\r\nOK\r\n"), 4);
  EXPECT_EQ(ParseActivity("+CPAS: -1"), std::nullopt);
  EXPECT_EQ(ParseActivity("OK"), std::nullopt);
}

TEST(NetStatusTest, CallListRowsSkipIncompleteLines) {
  const auto calls = ParseCalls(
      "\r\n+CLCC: 1,0,1,0,0,\"+491701234567\",145\r\n"
      "+CLCC: 2,1,0,0,0,\"0301234\",129\r\n"
      "+CLCC: 3,1,4,1,0\r\n"
      "+CLCC: 4,1\r\n"
      "+CLCC: 5,0,0,0,0,\"0172\r\n\r\nOK\r\n");
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].id, 1);
  EXPECT_EQ(calls[0].state, 1);
  EXPECT_EQ(calls[0].number, "+491701234567");
  EXPECT_EQ(calls[1].direction, 1);
  EXPECT_EQ(calls[2].mode, 1);
  EXPECT_EQ(calls[2].number, "");
  EXPECT_EQ(calls[3].id, 5);
  EXPECT_EQ(calls[3].number, "");  // the quote never closes
  std::string many;
  for (int i = 0; i < 40; ++i) many += "+CLCC: 1,0,0,0,0\r\n";
  EXPECT_EQ(ParseCalls(many).size(), kMaxCalls);
  EXPECT_TRUE(ParseCalls("").empty());
}

}  // namespace
}  // namespace telvane::network
