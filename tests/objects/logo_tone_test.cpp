#include <gtest/gtest.h>

#include <filesystem>

#include "objects/object_file.h"
#include "objects/transfer_fixture.h"
#include "objects/windows/logo_transfer.h"
#include "objects/windows/ring_tone_transfer.h"
#include "picture_test_support.h"

namespace telvane::testing {
namespace {

using objects::ObjectType;

std::string Bytes(std::size_t count, char first = 0) {
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i)
    bytes[i] = static_cast<char>(first + static_cast<char>(i));
  return bytes;
}

class FileSendTest : public TransferTest {
 protected:
  // Sends the logo the script picks, from a small window standing for the main window,
  // with temp_ as the temporary folder; returns the messages shown.
  std::string SendLogoFromWindow(const std::string& script) {
    std::filesystem::create_directory(temp_);
    struct InWindow : ui::DialogHandler {
      std::function<void(ui::Dialog&)> action;
      void OnInit(ui::Dialog& dialog) override {
        action(dialog);
        dialog.End(ui::kIdOk);
      }
    } window;
    return Run(
        [&](ui::Ui& ui) {
          window.action = [&](ui::Dialog& dialog) {
            objects::TransferSession session{exchange_, ui, dialog, temp_.string()};
            objects::SendLogo(session, logoIndex_);
            windowEnabled_ = dialog.IsWindowEnabled();
          };
          ui.RunModal(111, window, nullptr);
        },
        script);
  }

  std::filesystem::path temp_ = dir_ / "temp";
  int logoIndex_ = 0;
  bool windowEnabled_ = false;
};

TEST_F(FileSendTest, UnsuitableLogosStopBeforeTheEraseAndRefusedBlocksStopTheSend) {
  WriteFile(dir_ / "picture.bmp", std::string(100, 't'));
  WriteFile(dir_ / "short.bmp", "BM12");
  // 100 bytes, data at 54, but the header claims 200: cut short.
  const std::string header("BM\x64\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18);
  WriteFile(dir_ / "cut.bmp", std::string(header).replace(2, 1, "\xc8") + Bytes(82));
  WriteFile(dir_ / "good.bmp", header + Bytes(82));
  WriteFile(dir_ / "tone.mid", Bytes(150));
  peer_.Reply(kOk);  // erase before good.bmp
  peer_.Reply(kPrompt);
  peer_.Reply(kError);  // its first data line is refused
  peer_.Reply(kOk);     // erase before the tone
  peer_.Reply(kError);  // its first header is refused
  const std::string out = Run([&](ui::Ui& ui) {
    EXPECT_FALSE(objects::SendLogoFile(exchange_, ui, dir_ / "picture.bmp", 0));
    EXPECT_FALSE(objects::SendLogoFile(exchange_, ui, dir_ / "short.bmp", 0));
    EXPECT_FALSE(objects::SendLogoFile(exchange_, ui, dir_ / "cut.bmp", 0));
    EXPECT_FALSE(objects::SendLogoFile(exchange_, ui, dir_ / "good.bmp", 0));
    EXPECT_FALSE(objects::SendToneFile(exchange_, ui, dir_ / "tone.mid", 3));
    EXPECT_FALSE(objects::SendToneFile(exchange_, ui, dir_ / "missing.mid", 3));
  });
  EXPECT_EQ(out,
            "message 40 Telvane Error: No BMP file\n"
            "message 37 Telvane Error: Unsuitable file header\n"
            "message 37 Telvane Error: Unsuitable file header\n"
            "message 41 Telvane: Error sending BMP file\n"
            "message 35 Telvane: Error sending MIDI file\n"
            "message 36 Telvane: Can't open file\n");
  const auto lines = peer_.Lines();
  // Only the file that is sent costs the phone its logo.
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "AT^SBNW=\"bmp\",0,0");
  EXPECT_EQ(lines[1], "AT^SBNW=\"bmp\",0,1,2");
  EXPECT_EQ(lines[4], "AT^SBNW=\"mid\",3,1,2");
}

TEST_F(FileSendTest, GifLogoUsesTheChosenNumberAndLeavesNoIntermediateFile) {
  WriteFile(dir_ / "logo.gif", "GIF89a");
  EXPECT_EQ(SendLogoFromWindow("file " + (dir_ / "logo.gif").string() + " 3\n"),
            "message 36 Telvane: Can't open file\n");
  EXPECT_EQ(logoIndex_, 2);
  EXPECT_TRUE(windowEnabled_);
  EXPECT_TRUE(std::filesystem::is_empty(temp_));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "logo.gif"));
  EXPECT_TRUE(objects::IsGifName("a/LOGO.GIF"));
  EXPECT_FALSE(objects::IsGifName("a/logo.bmp"));
}

TEST_F(FileSendTest, GifLogoIsSentAsABmpFromTheTemporaryFolder) {
  const GifImage gif{97, 29, TestIndices(97, 29, 2), TestColours(2)};
  ASSERT_TRUE(WriteGifWithGiflib(dir_ / "my.pictures.gif", gif));
  // 62 header bytes and 29 lines of 16 bytes: 526 bytes, 11 blocks of 50.
  peer_.Reply(kOk);
  AcceptBlocks(11);
  EXPECT_EQ(SendLogoFromWindow("file " + (dir_ / "my.pictures.gif").string() + "\n"), "");
  const auto lines = peer_.Lines();
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0], "AT^SBNW=\"bmp\",0,0");
  EXPECT_EQ(lines[1], "AT^SBNW=\"bmp\",0,1,11");
  EXPECT_EQ(lines[2].substr(0, 4), "424D");
  EXPECT_TRUE(std::filesystem::is_empty(temp_));  // the intermediate BMP is gone
  EXPECT_FALSE(std::filesystem::exists(dir_ / "my.BMP"));
}

TEST(RingToneRange, TwentyAndFortyOneGrowByOneOnly) {
  EXPECT_EQ(objects::RaisedToneMaximum(20), 21);
  EXPECT_EQ(objects::RaisedToneMaximum(41), 42);
  EXPECT_EQ(objects::RaisedToneMaximum(42), 42);
  EXPECT_EQ(objects::IndexFromPreviewNumber(4, objects::kToneNumbers, 1), 3);
  EXPECT_EQ(objects::IndexFromPreviewNumber(0, objects::kToneNumbers, 1), 1);
  EXPECT_EQ(objects::IndexFromPreviewNumber(5, objects::kToneNumbers, 1), 1);
}

using FileReadTest = TransferTest;

// Blocks joined in order into the file:
// LogoToneScenario.LogoReadsJoinTheirBlocksAndFailuresLeaveNoFile.
TEST_F(FileReadTest, AnEmptyAnswerGivesAnEmptyFile) {
  peer_.Reply(kOk);
  const auto tone = dir_ / "tone.mid";
  objects::SilentTransferFeedback feedback;
  EXPECT_TRUE(objects::ReadBinaryObject(exchange_, feedback, ObjectType::kMid, tone).done);
  EXPECT_EQ(ReadFile(tone), "");
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT^SBNR=mid,0"}));
}

TEST_F(FileReadTest, FailedOrOverlongReadsLeaveTheOldFileOrNone) {
  peer_.Reply(kError);
  peer_.Reply("\r\n^SBNR: \"mid\",0,1,1\r\n" + std::string(1026, 'A') + "\r\n\r\nOK\r\n");
  const auto logo = dir_ / "logo.bmp";
  const auto tone = dir_ / "tone.mid";
  WriteFile(logo, "old");
  objects::SilentTransferFeedback feedback;
  const auto refused = objects::ReadBinaryObject(exchange_, feedback, ObjectType::kBmp, logo);
  const auto overlong = objects::ReadBinaryObject(exchange_, feedback, ObjectType::kMid, tone);
  using objects::FailedStep;
  EXPECT_EQ(std::pair(refused.messageId, refused.failed), std::pair(71, FailedStep::kCommand));
  EXPECT_EQ(std::pair(overlong.messageId, overlong.failed), std::pair(72, FailedStep::kDataLine));
  EXPECT_EQ(ReadFile(logo), "old");
  EXPECT_FALSE(std::filesystem::exists(tone));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 1);
}

// Stops the transfer once the progress reached `at` percent.
struct CancellingFeedback : objects::SilentTransferFeedback {
  unsigned at = 0;
  unsigned shown = 0;
  void ShowProgress(unsigned percent) override { shown = percent; }
  bool CancelRequested() const override { return shown >= at; }
};

TEST_F(FileReadTest, ACancelOrBlocksThatDoNotAddUpKeepTheOldFile) {
  const std::string block1 = "\r\n^SBNR: \"mid\",0,1,2\r\n" + std::string(200, '4') + "\r\n";
  const std::string block2 = "^SBNR: \"mid\",0,2,2\r\n4142\r\n";
  peer_.Reply(block1 + "\r\nOK\r\n");           // block 2 missing
  peer_.Reply(block1 + block2 + "\r\nOK\r\n");  // whole, but cancelled after block 1
  const auto tone = dir_ / "tone.mid";
  WriteFile(tone, "old");
  CancellingFeedback feedback;
  feedback.at = 50;
  const auto missing = objects::ReadBinaryObject(exchange_, feedback, ObjectType::kMid, tone);
  const auto cancelled = objects::ReadBinaryObject(exchange_, feedback, ObjectType::kMid, tone);
  using objects::FailedStep;
  EXPECT_EQ(std::pair(missing.messageId, missing.failed), std::pair(72, FailedStep::kDataLine));
  EXPECT_EQ(std::pair(cancelled.messageId, cancelled.failed), std::pair(0, FailedStep::kCancelled));
  EXPECT_EQ(feedback.shown, 50u);
  EXPECT_EQ(ReadFile(tone), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 1);
}

}  // namespace
}  // namespace telvane::testing
