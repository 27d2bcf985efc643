// Binary objects written and read in blocks of hex text, as the address book, the organizer,
// the logo and the ring tones travel.
#include <gtest/gtest.h>

#include <string>

#include "engine_test.h"
#include "support/hex_text.h"

namespace telvane::sim {
namespace {

class ObjectCommandsTest : public EngineTest {
 protected:
  void SetUp() override { Start(PhoneState{}); }
  std::string Block(std::string_view hex) { return engine_->Feed(std::string(hex) + "\x1a"); }

  // Writes `bytes` as the program does: header, prompt, data line, OK, per block.
  void Write(const std::string& type, int index, const std::string& bytes, std::size_t size) {
    const int blocks = static_cast<int>((bytes.size() + size - 1) / size);
    for (int k = 1; k <= blocks; ++k) {
      ASSERT_EQ(Send("AT^SBNW=\"" + type + "\"," + std::to_string(index) + "," + std::to_string(k) +
                     "," + std::to_string(blocks)),
                "\r\n> ");
      ASSERT_EQ(Block(testing::Hex(bytes.substr((k - 1) * size, size))), "\r\nOK\r\n");
    }
  }
};

std::string Pattern(std::size_t length) {
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) {
    bytes += static_cast<char>(i * 7 % 256);
  }
  return bytes;
}

TEST_F(ObjectCommandsTest, WrittenObjectIsReadBackInBlocksOfItsTypeSize) {
  const std::string card = "BEGIN:VCARD\r\nVERSION:1.0\r\nN:Miller;John\r\n" +
                           std::string(120, 'x') + "\r\nEND:VCARD\r\n";
  Write("vcf", 7, card, 100);
  const std::string answer = Send("AT^SBNR=\"vcf\",7");
  EXPECT_EQ(answer, "\r\n^SBNR: \"vcf\",7,1,2\r\n" + testing::Hex(card.substr(0, 100)) +
                        "\r\n^SBNR: \"vcf\",7,2,2\r\n" + testing::Hex(card.substr(100)) +
                        "\r\n\r\nOK\r\n");

  // The logo travels in 50-byte blocks, also when asked for without quotes.
  const std::string logo = Pattern(120);
  Write("bmp", 0, logo, 50);
  const std::string read = Send("AT^SBNR=bmp,0");
  EXPECT_NE(read.find("^SBNR: \"bmp\",0,3,3\r\n" + testing::Hex(logo.substr(100)) + "\r\n"),
            std::string::npos)
      << read;
  EXPECT_EQ(engine_->Snapshot().objects.at("bmp").at(0), logo);
}

TEST_F(ObjectCommandsTest, EmptySlotAnswersOkAloneAndEraseWorksQuotedAndUnquoted) {
  EXPECT_EQ(Send("AT^SBNR=\"vcs\",3"), "\r\nOK\r\n");
  Write("vcs", 3, "BEGIN:VCALENDAR", 100);
  Write("bmp", 1, Pattern(10), 50);
  EXPECT_EQ(Send("AT^SBNW=\"vcs\",3,0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNW=bmp,1,0"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNR=\"vcs\",3"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNR=bmp,1"), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNW=\"vcs\",0"), "\r\nOK\r\n");  // prepares an organizer write
  EXPECT_EQ(Send("AT^SBNW=\"vcf\",0"), "\r\nERROR\r\n");
}

TEST_F(ObjectCommandsTest, RefusesBadHexAndBlocksOutOfOrderAndKeepsTheOldObject) {
  Write("mid", 2, "old tune", 100);
  const std::string tune = Pattern(250);
  // Odd digit count, non-hex, and more than one block of bytes.
  for (const std::string& bad :
       {std::string("ABC"), std::string("4G"), std::string(202, 'A'), std::string()}) {
    ASSERT_EQ(Send("AT^SBNW=\"mid\",2,1,3"), "\r\n> ");
    EXPECT_EQ(Block(bad), "\r\nERROR\r\n") << bad;
  }
  // Block 3 after block 1, then block 2 without a new block 1 after the refusal.
  ASSERT_EQ(Send("AT^SBNW=\"mid\",2,1,3"), "\r\n> ");
  ASSERT_EQ(Block(testing::Hex(tune.substr(0, 100))), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNW=\"mid\",2,3,3"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT^SBNW=\"mid\",2,2,3"), "\r\nERROR\r\n");
  // Another block total than the first header announced.
  ASSERT_EQ(Send("AT^SBNW=\"mid\",2,1,3"), "\r\n> ");
  ASSERT_EQ(Block(testing::Hex(tune.substr(0, 100))), "\r\nOK\r\n");
  EXPECT_EQ(Send("AT^SBNW=\"mid\",2,2,4"), "\r\nERROR\r\n");
  EXPECT_EQ(engine_->Snapshot().objects.at("mid").at(2), "old tune");

  Write("mid", 2, tune, 100);
  EXPECT_EQ(engine_->Snapshot().objects.at("mid").at(2), tune);
}

TEST_F(ObjectCommandsTest, IndexAndTypeErrorsFollowCmee) {
  EXPECT_EQ(Send("AT^SBNR=\"vcf\",501"), "\r\nERROR\r\n");
  Send("AT+CMEE=2");
  EXPECT_EQ(Send("AT^SBNR=\"vcf\",501"), "\r\n+CME ERROR: invalid index\r\n");
  EXPECT_EQ(Send("AT^SBNW=\"gif\",0,0"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("AT^SBNW=\"vcf\",1,2,1"), "\r\n+CME ERROR: operation not supported\r\n");
  Send("AT+CMEE=1");
  EXPECT_EQ(Send("AT^SBNW=\"bmp\",4,1,1"), "\r\n+CME ERROR: 21\r\n");
  EXPECT_EQ(Send("AT^SBNR=\"vcf\",x"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT^SBNR=?"),
            "\r\n^SBNR: (\"bmp\",(0-3)),(\"mid\",(0-9)),(\"vcf\",(0-500)),(\"vcs\",(0-50))"
            "\r\n\r\nOK\r\n");
}

}  // namespace
}  // namespace telvane::sim
