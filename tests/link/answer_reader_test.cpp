#include "link/answer_reader.h"

#include <gtest/gtest.h>

namespace telvane::link {
namespace {

TEST(AnswerReader, NumbersAfterPrefixesAndSeparators) {
  const std::string_view answer = "\r\n^SRTC: 12,3,0\r\n\r\nOK\r\n";
  EXPECT_EQ(NumberAfter(answer, "^SRTC:"), 12);
  EXPECT_EQ(NumberAfterSeparator(*After(answer, "^SRTC:"), ','), 3);
  EXPECT_EQ(NumberAfter(answer, "+CVIB:"), std::nullopt);
  EXPECT_EQ(NumberAfter("+CVIB: x", "+CVIB:"), std::nullopt);
  EXPECT_EQ(LeadingNumber("99999999999999"), 2147483647);
  EXPECT_EQ(LeadingNumber("-7,1"), -7);
  EXPECT_EQ(After("abc", "c"), "");
  EXPECT_EQ(After("abc", "a", 10), std::nullopt);
}

TEST(AnswerReader, RangesStayInsideTheAnswer) {
  std::string_view rest;
  const auto tones = ParseRange("^SRTC: (0-41),(1-4)", &rest);
  ASSERT_TRUE(tones);
  EXPECT_EQ(tones->low, 0);
  EXPECT_EQ(tones->high, 41);
  const auto volumes = ParseRange(rest);
  ASSERT_TRUE(volumes);
  EXPECT_EQ(volumes->high, 4);
  EXPECT_EQ(ParseRange("^SRTC: 3,4"), std::nullopt);
  EXPECT_EQ(ParseRange("(5"), std::nullopt);
  EXPECT_EQ(ParseRange("(5-"), std::nullopt);
  EXPECT_EQ(ParseRange("(x-3)"), std::nullopt);
}

TEST(AnswerReader, CountsAndControlCharacters) {
  EXPECT_EQ(CountOccurrences("^SMGL: 1\r\nAB\r\n^SMGL: 2\r\nCD\r\n", "^SMGL:"), 2);
  EXPECT_EQ(CountOccurrences("", "^SMGL:"), 0);
  EXPECT_EQ(UpToControl("0,0,\"Nordnetz\"\r\n\r\nOK"), "0,0,\"Nordnetz\"");
}

}  // namespace
}  // namespace telvane::link
