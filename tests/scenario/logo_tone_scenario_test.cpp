// The logo and ring tone commands of the main window against the simulated phone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// `size` bytes of every value in turn, behind `start`.
std::string Bytes(std::size_t size, const std::string& start = "") {
  std::string bytes = start;
  while (bytes.size() < size) bytes += static_cast<char>(bytes.size() % 256);
  return bytes;
}

// The block headers and data lines (hex, then Ctrl-Z) that carry `object` in blocks of
// `blockSize` bytes.
Lines Blocks(const std::string& type, int index, const std::string& object, std::size_t blockSize) {
  const std::size_t total = (object.size() + blockSize - 1) / blockSize;
  Lines lines;
  for (std::size_t block = 0; block < total; ++block) {
    lines.push_back("AT^SBNW=\"" + type + "\"," + std::to_string(index) + "," +
                    std::to_string(block + 1) + "," + std::to_string(total));
    lines.push_back(Hex(std::string_view(object).substr(block * blockSize, blockSize)) + "<SUB>");
  }
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(LogoToneScenario, ButtonsAreEnabledAndSendingToneTwiceRaisesTheRangeOnce) {
  Scenario scenario(R"({"audio": {"toneRange": [1, 41]}})");
  const auto tone = scenario.Folder() / "tone.mid";
  WriteFile(tone, std::string(150, 'M'));
  const ScriptRun run = scenario.Run(
      "expect enabled 1036 on\nexpect enabled 1037 on\nexpect enabled 40030 on\n"
      "file " +
      tone.string() +
      " 2\nclick 1037\ndump 1015\n"
      "file " +
      tone.string() +
      " 2\nclick 1037\ndump 1015\n"
      "file -\nclick 1036\nclick 1076\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("range=1..42"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("range=1..43"), std::string::npos) << run.out;
  const auto sent = scenario.ReceivedFrom("AT^SBNW=\"mid\",1,0");
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent[1], "AT^SBNW=\"mid\",1,1,2");
  EXPECT_TRUE(Has(sent, "AT^SBNW=bmp,0,0"));
  EXPECT_FALSE(Has(sent, "AT^SBNW=\"bmp\",0,0"));  // the cancelled logo dialog sent nothing
}

TEST(LogoToneScenario, ToneAndLogoFilesGoAsTheirExactBlocks) {
  Scenario scenario;
  const auto tone = scenario.Folder() / "tone.mid";
  const auto logo = scenario.Folder() / "logo.bmp";
  const std::string toneBytes = Bytes(250);
  // A BMP header for 3000 bytes with the data at 54, then every byte value in turn.
  const std::string logoBytes =
      Bytes(3000, std::string("BM\xb8\x0b\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18));
  WriteFile(tone, toneBytes);
  WriteFile(logo, logoBytes);
  const ScriptRun run = scenario.Run("file " + tone.string() + " 1\nclick 1037\nfile " +
                                     logo.string() + " 2\nclick 1036\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;

  const Lines toneBlocks = Blocks("mid", 0, toneBytes, 100);
  ASSERT_EQ(toneBlocks.size(), 6u);
  EXPECT_EQ(toneBlocks[5].size(), 100u + 5u);  // the last block: 50 bytes and Ctrl-Z
  const Lines logoBlocks = Blocks("bmp", 1, logoBytes, 50);
  ASSERT_EQ(logoBlocks.size(), 120u);
  EXPECT_EQ(logoBlocks[118], "AT^SBNW=\"bmp\",1,60,60");
  EXPECT_EQ(logoBlocks[1].rfind("424D", 0), 0u);

  Lines expected{"AT^SBNW=\"mid\",0,0"};
  expected.insert(expected.end(), toneBlocks.begin(), toneBlocks.end());
  expected.push_back("AT^SBNW=\"bmp\",1,0");
  expected.insert(expected.end(), logoBlocks.begin(), logoBlocks.end());
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNW=\"mid\",0,0"), expected);
}

TEST(LogoToneScenario, LogoReadsJoinTheirBlocksAndFailuresLeaveNoFile) {
  const std::string logoBytes = Bytes(60, "BM");  // two blocks on the phone
  Scenario scenario(R"({"objects": {"bmp": [{"index": 0, "hex": ")" + Hex(logoBytes) +
                    R"("}]}, "faults": [{"kind": "error", "command": "AT^SBNR", "count": 1}]})");
  const auto failed = scenario.Folder() / "failed.bmp";
  const auto read = scenario.Folder() / "read.bmp";
  const auto text = scenario.Folder() / "picture.bmp";
  WriteFile(text, "This is a text and no picture at all.\n");
  const ScriptRun run = scenario.Run(
      "file " + failed.string() + "\nclick 40030\nexpect message 71\nfile " + read.string() +
      "\nclick 40030\nfile " + text.string() + "\nclick 1036\nexpect message 40\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_FALSE(std::filesystem::exists(failed));
  EXPECT_EQ(ReadFile(read), logoBytes);
  // The text file is refused before the erase: the phone's logo stays.
  EXPECT_EQ(scenario.ReceivedFrom("AT^SBNR=bmp,0"), (Lines{"AT^SBNR=bmp,0", "AT^SBNR=bmp,0"}));
}

}  // namespace
}  // namespace telvane::testing
