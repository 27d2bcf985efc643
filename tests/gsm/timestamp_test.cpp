#include "gsm/timestamp.h"

#include <gtest/gtest.h>

namespace telvane::gsm {
namespace {

// Each pair swapped, the time zone ignored, the day first with SwapD; of a short stamp only
// the whole fields.
TEST(DecodeTimestamp, SwapsEachPairAndGivesOnlyWholeFields) {
  EXPECT_EQ(DecodeTimestamp("10105121314500", false), "01/01/15 12:13:54");
  EXPECT_EQ(DecodeTimestamp("10105121314580", false), "01/01/15 12:13:54");
  EXPECT_EQ(DecodeTimestamp("20806291731408", false), "02/08/26 19:37:41");
  EXPECT_EQ(DecodeTimestamp("10105121314500", true), "15/01/01 12:13:54");
  EXPECT_EQ(DecodeTimestamp("", false), "");
  EXPECT_EQ(DecodeTimestamp("1", false), "");
  EXPECT_EQ(DecodeTimestamp("101", false), "01");
  EXPECT_EQ(DecodeTimestamp("101051", true), "15/01/01");
  EXPECT_EQ(DecodeTimestamp("1010", true), "01/01");
  EXPECT_EQ(DecodeTimestamp("1010512131450", false), "01/01/15 12:13:54");
  EXPECT_EQ(DecodeTimestamp("101051\r\n2131", false), "01/01/15");
}

}  // namespace
}  // namespace telvane::gsm
