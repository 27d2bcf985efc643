#include "objects/hex_block.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

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

// Two logo blocks of 50 and 2 bytes: hex lines of 100 and 4 digits.
const std::string kFull(100, 'A');
std::string Header(int block, int total, const std::string& type = "\"bmp\",0") {
  return "^SBNR: " + type + "," + std::to_string(block) + "," + std::to_string(total) + "\r\n";
}

TEST(AnswerDecoding, WholeAnswersGiveTheirBlocksInOrder) {
  const ExpectedObject logo{"bmp", 0, 50};
  // Blank lines left where an unsolicited code was taken out, blanks after the commas, an
  // echo before the first header.
  const auto two = DecodeObjectAnswer("AT^SBNR=bmp,0\r\r\n" + Header(1, 2) + "\r\n" + kFull +
                                          "\r\n^SBNR: bmp, 0, 2, 2\r\n0a4D\r\n\r\nOK\r\n",
                                      logo);
  ASSERT_EQ(two.status, ObjectAnswer::Status::kWhole);
  EXPECT_EQ(two.blocks, (std::vector<std::string>{std::string(50, '\xaa'), "\nM"}));
  EXPECT_EQ(DecodeObjectAnswer("\r\nOK\r\n", logo).status, ObjectAnswer::Status::kEmpty);
  EXPECT_EQ(DecodeObjectAnswer("\r\n" + Header(1, 1, "\"vcf\",7") + "41\r\n\r\nOK\r\n",
                               ExpectedObject{"vcf", 7, 100})
                .blocks,
            std::vector<std::string>{"A"});
}

TEST(AnswerDecoding, BlocksThatDoNotAddUpBreakTheAnswer) {
  const ExpectedObject logo{"bmp", 0, 50};
  const std::string ok = "\r\nOK\r\n";
  const std::string block1 = Header(1, 3) + kFull + "\r\n";
  const std::string block2 = Header(2, 3) + kFull + "\r\n";
  const std::string block3 = Header(3, 3) + "0A\r\n";
  const std::vector<std::string> broken{
      block1 + block3 + ok,                                    // a missing block
      block1 + block1 + block2 + block3 + ok,                  // a repeated one
      block2 + block1 + block3 + ok,                           // out of order
      block1 + block2 + ok,                                    // the last one missing
      block1 + Header(2, 4) + kFull + "\r\n" + block3 + ok,    // the total changes
      block1 + Header(2, 3) + "0A\r\n" + block3 + ok,          // a short block not the last
      block1 + block2 + Header(3, 3) + kFull + "0A\r\n" + ok,  // a block too long
      block1 + block2 + Header(3, 3) + "\r\n" + ok,            // a header without its data
      block1 + block2 + Header(3, 3) + "4G\r\n" + ok,          // no hex
      block1 + block2 + Header(3, 3) + "414\r\n" + ok,         // half a pair
      block1 + block2 + Header(3, 3) + "41\x1a\r\n" + ok,      // a control character
      block1 + "RING\r\n" + block2 + block3 + ok,              // a stray line between blocks
      Header(1, 1, "\"bmp\",1") + "41\r\n" + ok,               // another object's block
      Header(1, 1, "\"mid\",0") + "41\r\n" + ok,
      Header(1, 0) + ok,                    // no positive total
      "^SBNR: \"bmp\",0,1\r\n41\r\n" + ok,  // no total at all
  };
  for (std::size_t i = 0; i < broken.size(); ++i) {
    const auto decoded = DecodeObjectAnswer(broken[i], logo);
    EXPECT_EQ(decoded.status, ObjectAnswer::Status::kBroken) << i;
    EXPECT_TRUE(decoded.blocks.empty()) << i;
  }
  EXPECT_EQ(DecodeObjectAnswer(block1 + block2 + block3 + ok, logo).status,
            ObjectAnswer::Status::kWhole);
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
