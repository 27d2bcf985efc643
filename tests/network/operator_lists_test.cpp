// The operator list parsers on whole, cut-short, empty and extreme answers.
#include "network/operator_lists.h"

#include <gtest/gtest.h>

#include "link/link_fixture.h"

namespace telvane::network {
namespace {

TEST(OperatorListsTest, KnownOperatorLines) {
  const auto entry = ParseKnownOperatorLine("^SPLM: \"310260\",\"T-Mobile, USA\"");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->code, 310260);
  EXPECT_EQ(entry->name, "T-Mobile, USA");
  EXPECT_EQ(ParseKnownOperatorLine("^SPLM: \"26201\",\"\"")->name, "");
  for (const char* line : {"^SPLM: \"26201\",\"Nord", "^SPLM: \"26201\"", "^SPLM: \"\",\"X\"",
                           "^SPLM: \"2620A\",\"X\"", "^SPLM:", "", "OK"}) {
    EXPECT_EQ(ParseKnownOperatorLine(line), std::nullopt) << line;
  }
}

TEST(OperatorListsTest, PreferredRangeAndEntries) {
  const auto range = ParsePreferredRange("\r\n^SPLR: (1-50)\r\n\r\nOK\r\n");
  ASSERT_TRUE(range);
  EXPECT_EQ(range->low, 1);
  EXPECT_EQ(range->high, 50);
  EXPECT_EQ(ParsePreferredRange("^SPLR: (5-1)"), std::nullopt);
  EXPECT_EQ(ParsePreferredRange("^SPLR: (1-"), std::nullopt);
  EXPECT_EQ(ParsePreferredRange(""), std::nullopt);
  EXPECT_EQ(ParsePreferredCode("\r\n^SPLR: 3,\"23415\"\r\n\r\nOK\r\n"), 23415);
  EXPECT_EQ(ParsePreferredCode("\r\nOK\r\n"), 0);  // a free entry has no line
  EXPECT_EQ(ParsePreferredCode("^SPLR: 2,\"0\""), 0);
  EXPECT_EQ(ParsePreferredCode("^SPLR: 3,\"234"), std::nullopt);
  EXPECT_EQ(ParsePreferredCode("^SPLR: 3"), std::nullopt);
}

TEST(OperatorListsTest, FoundNetworks) {
  const auto found = ParseFoundNetworks(
      "\r\n+COPS: (2,\"Nordnetz\",,\"26201\"),(1,\"Sued (Netz)\",\"SN\",\"310260\"),"
      "(3,\"Cut\",,\"262\",(0,\"Bad\"),,(0-4),(0-2)\r\n\r\nOK\r\n");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].state, 2);
  EXPECT_EQ(found[0].code, 26201);
  EXPECT_EQ(found[1].name, "Sued (Netz)");
  EXPECT_EQ(found[1].code, 310260);
  EXPECT_TRUE(ParseFoundNetworks("+COPS: ,,(0-4),(0-2)").empty());  // no network
  EXPECT_TRUE(ParseFoundNetworks("+COPS: (2,\"Nord").empty());
  EXPECT_TRUE(ParseFoundNetworks("").empty());
  std::string many = "+COPS: ";
  for (int i = 0; i < 150; ++i) many += "(1,\"N\",,\"26201\"),";
  EXPECT_EQ(ParseFoundNetworks(many + ",(0-4),(0-2)").size(), kMaxFoundNetworks);
}

}  // namespace
}  // namespace telvane::network

namespace telvane::testing {
namespace {

// A phone busy with its search ignores the "AT" sent after the bound and answers the search
// late; the next "AT" gets its own "OK", and the command after that its own answer.
TEST_F(SerialExchangeTest, ALateSearchAnswerNeverReachesTheNextCommand) {
  using std::chrono::milliseconds;
  peer_.OnNextLine(
      {{milliseconds(400), "\r\n+COPS: (2,\"Nordnetz\",,\"26201\"),,(0-4),(0-2)\r\n\r\nOK\r\n"}});
  peer_.Reply("");
  peer_.Reply("\r\nOK\r\n");
  peer_.Reply("\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
  EXPECT_FALSE(network::SearchNetworks(exchange_, milliseconds(150)).has_value());
  ASSERT_TRUE(exchange_.SendCommand("AT+CSQ"));
  EXPECT_EQ(exchange_.LastAnswerToken(), "17,99");
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT+COPS=?", "AT", "AT", "AT+CSQ"}));
  EXPECT_EQ(exchange_.Timing().firstByteWait, ShortTiming().firstByteWait);
}

}  // namespace
}  // namespace telvane::testing
