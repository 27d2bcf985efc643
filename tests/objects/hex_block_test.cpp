#include "objects/hex_block.h"

#include <gtest/gtest.h>

#include <tuple>

#include "objects/windows/transfer_progress.h"

namespace telvane::objects {
namespace {

TEST(DataLine, UpperCaseHexEndedByCtrlZAndBoundedByTheLineBuffer) {
  EXPECT_EQ(BuildDataLine(std::string("\x0a\xff"
                                      "BM",
                                      4)),
            "0AFF424D\x1a");
  EXPECT_EQ(BuildDataLine(""), "\x1a");
  EXPECT_TRUE(BuildDataLine(std::string(255, 'x')).has_value());
  EXPECT_FALSE(BuildDataLine(std::string(256, 'x')).has_value());
}

TEST(AnswerDecoding, BlockTotalComesFromTheFirstHeaderLineOnly) {
  EXPECT_EQ(AnswerBlockTotal("\r\n^SBNR: \"bmp\",0,1,27\r\n00\r\nOK\r\n"), 27);
  EXPECT_EQ(AnswerBlockTotal("\r\nOK\r\n"), std::nullopt);
  // Commas of the following lines do not make up a missing total.
  EXPECT_EQ(AnswerBlockTotal("^SBNR: \"bmp\",0\r\n1,2,3\r\nOK\r\n"), std::nullopt);
  EXPECT_EQ(AnswerBlockTotal("^SBNR: \"bmp\",0,1,0\r\n"), std::nullopt);
}

TEST(AnswerDecoding, BlocksComeInOrderAndBadLinesStopTheRead) {
  std::string bytes;
  AnswerBlockReader two(
      "\r\n^SBNR: \"bmp\",0,1,2\r\n424d\r\n^SBNR: \"bmp\",0,2,2\r\n0A\r\n\r\nOK\r\n", 512);
  ASSERT_EQ(two.Next(bytes), BlockDecode::kBlock);
  EXPECT_EQ(bytes, "BM");
  ASSERT_EQ(two.Next(bytes), BlockDecode::kBlock);
  EXPECT_EQ(bytes, "\n");
  EXPECT_EQ(two.Next(bytes), BlockDecode::kEnd);

  EXPECT_EQ(AnswerBlockReader("^SBNR: \"mid\",0,1,1\r\n4G\r\n", 512).Next(bytes),
            BlockDecode::kMalformed);
  EXPECT_EQ(AnswerBlockReader("^SBNR: \"mid\",0,1,1\r\n414\r\n", 512).Next(bytes),
            BlockDecode::kMalformed);
  EXPECT_EQ(AnswerBlockReader("^SBNR: \"mid\",0,1,1", 512).Next(bytes), BlockDecode::kMalformed);
  EXPECT_EQ(AnswerBlockReader("^SBNR: x\r\n" + std::string(1026, 'A') + "\r\n", 512).Next(bytes),
            BlockDecode::kTooLong);
  EXPECT_EQ(AnswerBlockReader("^SBNR: x\r\n" + std::string(1024, 'A') + "\r\n", 512).Next(bytes),
            BlockDecode::kBlock);
}

TEST(Progress, PercentTextsAndEstimate) {
  EXPECT_EQ(TransferPercent(1, 100), 1u);
  EXPECT_EQ(TransferPercent(1, 3), 33u);
  EXPECT_EQ(TransferPercent(5, 3), 100u);  // more blocks than announced
  EXPECT_EQ(TransferPercent(1, 0), 0u);

  ProgressArithmetic progress(1000);
  EXPECT_FALSE(progress.Update(0, 1000).has_value());
  const auto quarter = progress.Update(25, 1075);
  ASSERT_TRUE(quarter.has_value());
  EXPECT_EQ(std::tuple(quarter->barAdvance, quarter->percentText, quarter->elapsedText,
                       quarter->estimateText),
            std::tuple(25, "25 %", "1:15", "5:00"));
  EXPECT_FALSE(progress.Update(25, 1080).has_value());
  // Compared as a 16-bit value: 65561 reads as the 25 already shown.
  EXPECT_FALSE(progress.Update(65536 + 25, 1080).has_value());
  const auto done = progress.Update(100, 1100);
  ASSERT_TRUE(done.has_value());
  EXPECT_EQ(done->barAdvance, 75);
  EXPECT_EQ(done->estimateText, "1:40");
}

}  // namespace
}  // namespace telvane::objects
