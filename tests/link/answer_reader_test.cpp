#include "link/answer_reader.h"

#include <gtest/gtest.h>

namespace telvane::link {
namespace {

TEST(AnswerCursor, WalksALineFieldByField) {
  AnswerCursor answer("\r\n+CPBR: 5, \"+4930\",145,\"Anna\"\r\n\r\nOK\r\n");
  auto line = answer.LineAfter("+CPBR:");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Number(), 5);
  EXPECT_TRUE(line->SkipPast(','));
  EXPECT_EQ(line->Quoted(), "+4930");
  EXPECT_TRUE(line->SkipPast(','));
  EXPECT_EQ(line->Number(), 145);
  EXPECT_TRUE(line->SkipPast(','));
  EXPECT_EQ(line->Quoted(), "Anna");
  EXPECT_TRUE(line->AtEnd());
  EXPECT_FALSE(line->SkipPast(','));

  // The outer cursor waits at the end of that line.
  answer.SkipLineBreaks();
  EXPECT_EQ(answer.Line(), "OK");
  EXPECT_FALSE(answer.LineAfter("+CPBR:"));
  EXPECT_EQ(answer.Rest(), "\r\n");
}

TEST(AnswerCursor, NumbersSaturateAndStopAtTheFirstNonDigit) {
  AnswerCursor numbers("  -7,99999999999999,-99999999999,+3x");
  EXPECT_EQ(numbers.Number(), -7);
  EXPECT_TRUE(numbers.SkipPast(','));
  EXPECT_EQ(numbers.Number(), 2147483647);
  EXPECT_TRUE(numbers.SkipPast(','));
  EXPECT_EQ(numbers.Number(), -2147483647);
  EXPECT_TRUE(numbers.SkipPast(','));
  EXPECT_EQ(numbers.Number(), 3);
  EXPECT_EQ(numbers.Number(), std::nullopt);
  EXPECT_EQ(numbers.Rest(), "x");
  EXPECT_EQ(AnswerCursor("-").Number(), std::nullopt);
  EXPECT_EQ(AnswerCursor("").Number(), std::nullopt);
}

TEST(AnswerCursor, RangesNeedTheirClosingBracket) {
  AnswerCursor ranges("^SRTC: (0-41),( 1 - 4 )");
  ASSERT_TRUE(ranges.SkipTo("^SRTC:"));
  const auto tones = ranges.Range();
  ASSERT_TRUE(tones);
  EXPECT_EQ(tones->low, 0);
  EXPECT_EQ(tones->high, 41);
  EXPECT_TRUE(ranges.SkipPast(','));
  const auto volumes = ranges.Range();
  ASSERT_TRUE(volumes);
  EXPECT_EQ(volumes->low, 1);
  EXPECT_EQ(volumes->high, 4);

  for (std::string_view broken : {"3,4", "(5", "(5-", "(5-3", "(x-3)", "(5-x)", ""}) {
    AnswerCursor cursor(broken);
    EXPECT_EQ(cursor.Range(), std::nullopt) << broken;
    EXPECT_EQ(cursor.Rest(), broken);  // a failed read leaves the cursor where it was
  }
}

TEST(AnswerCursor, MalformedTextGivesNone) {
  AnswerCursor unclosed("\"0301\r\nOK");
  EXPECT_EQ(unclosed.Quoted(), std::nullopt);
  EXPECT_EQ(unclosed.Rest(), "\"0301\r\nOK");
  EXPECT_EQ(AnswerCursor("0301\"").Quoted(), std::nullopt);
  EXPECT_FALSE(AnswerCursor("+CVIB 1").LineAfter("+CVIB:"));
  EXPECT_FALSE(AnswerCursor("abc").MoveTo('"'));

  EXPECT_EQ(NumberAfter("\r\n^SNFV: 3\r\n", "^SNFV:"), 3);
  EXPECT_EQ(NumberAfter("+CVIB: x", "+CVIB:"), std::nullopt);
  EXPECT_EQ(NumberAfter("OK", "+CVIB:"), std::nullopt);
  EXPECT_EQ(After("abc", "c"), "");
  EXPECT_EQ(CountOccurrences("^SMGL: 1\r\nAB\r\n^SMGL: 2\r\n", "^SMGL:"), 2);
  EXPECT_EQ(CountOccurrences("^SMGL:", ""), 0);
  EXPECT_EQ(UpToControl("0,0,\"Nordnetz\"\r\n\r\nOK"), "0,0,\"Nordnetz\"");
}

TEST(InformationValue, BlanksAroundSeparatorsGiveTheStandardShape) {
  for (std::string_view answer : {"\r\n+CSQ: 21,99\r\n\r\nOK\r\n", "\r\n+CSQ: 21, 99\r\n\r\nOK\r\n",
                                  "\r\n+CSQ:21,99\r\n\r\nOK\r\n", "+CSQ: 21 , 99 \r\nOK\r\n"}) {
    EXPECT_EQ(InformationValue(answer, "+CSQ:"), "21,99") << answer;
  }
  EXPECT_EQ(InformationValue("\r\n^SCID:89490200001234567890\r\nOK\r\n", "^SCID:"),
            "89490200001234567890");
  EXPECT_EQ(InformationValue("\r\n+CREG: 2, 1, \"5E25\", \"605F\"\r\n\r\nOK\r\n", "+CREG:"),
            "2,1,\"5E25\",\"605F\"");
  // Without the prefix: the last word of the line before "OK".
  EXPECT_EQ(InformationValue("\r\nSIEMENS\r\n\r\nOK\r\n", "+CGMI:"), "SIEMENS");
  EXPECT_EQ(InformationValue("\r\nREVISION 21.00\r\nOK\r\n", "+CGMR:"), "21.00");

  EXPECT_EQ(StandardShape("0 , 0, \"T-Mobile D, Nord\" ,2"), "0,0,\"T-Mobile D, Nord\",2");

  AnswerCursor battery("+CBC: 0, 60");
  ASSERT_TRUE(battery.SkipTo("+CBC:"));
  EXPECT_EQ(battery.Number(), 0);
  EXPECT_TRUE(battery.SkipPast(','));
  EXPECT_EQ(battery.Number(), 60);
}

TEST(InformationValue, NothingBeforeOkGivesNothing) {
  for (std::string_view answer : {"", "OK\r\n", "\r\nOK\r\n", "\r\n+CSQ: \r\nOK", "\x01\x02"}) {
    EXPECT_EQ(InformationValue(answer, "+CSQ:"), "") << answer;
  }
}

}  // namespace
}  // namespace telvane::link
