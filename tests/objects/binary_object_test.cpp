#include "objects/binary_object.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <utility>
#include <vector>

#include "base/file_handle.h"
#include "objects/object_file.h"
#include "objects/transfer_fixture.h"

namespace telvane::testing {
namespace {

using objects::FailedStep;
using objects::ObjectType;

// Records the percentages shown and counts the pumps.
class RecordingFeedback final : public objects::TransferFeedback {
 public:
  void ShowProgress(unsigned percent) override { percents.push_back(percent); }
  void Pump() override { ++pumps; }

  std::vector<unsigned> percents;
  int pumps = 0;
};

using TextObjectTest = TransferTest;

TEST_F(TextObjectTest, OrganizerTextOfTwoHundredCharactersIsExactlyTwoBlocks) {
  peer_.Reply(kOk);
  AcceptBlocks(2);
  RecordingFeedback feedback;
  const objects::Outcome written =
      objects::WriteObjectText(exchange_, feedback, ObjectType::kVcs, 7, std::string(200, 'A'));
  EXPECT_TRUE(written.done);
  EXPECT_EQ(written.failed, FailedStep::kNone);
  EXPECT_EQ(feedback.percents, (std::vector<unsigned>{50, 100}));
  EXPECT_EQ(feedback.pumps, 2);
  std::string hex;
  for (int i = 0; i < 100; ++i) hex += "41";
  EXPECT_EQ(peer_.Lines(),
            (std::vector<std::string>{"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",7,1,2", hex + "\x1a",
                                      "AT^SBNW=\"vcs\",7,2,2", hex + "\x1a"}));
}

TEST_F(TextObjectTest, AFileShorterThanItsAnnouncedLengthFailsAtTheMissingBlock) {
  // 120 bytes announced, 50 in the file (cut meanwhile): block 1 goes, block 2 fails.
  AcceptBlocks(1);
  base::FileHandle file(std::tmpfile());
  ASSERT_TRUE(file);
  ASSERT_EQ(std::fwrite(std::string(50, 'B').data(), 1, 50, file.get()), 50u);
  std::rewind(file.get());
  objects::SilentTransferFeedback feedback;
  const objects::Outcome written =
      objects::WriteBinaryObject(exchange_, feedback, ObjectType::kBmp, 0, file.get(), 120);
  EXPECT_FALSE(written.done);
  EXPECT_EQ(written.failed, FailedStep::kSource);
  std::string hex;
  for (int i = 0; i < 50; ++i) hex += "42";
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT^SBNW=\"bmp\",0,1,3", hex + "\x1a"}));
}

TEST_F(TextObjectTest, EmptyTextSendsOnlyThePreparatoryCommand) {
  peer_.Reply(kOk);
  objects::SilentTransferFeedback feedback;
  EXPECT_TRUE(objects::WriteObjectText(exchange_, feedback, ObjectType::kVcs, 3, "").done);
  EXPECT_TRUE(objects::WriteObjectText(exchange_, feedback, ObjectType::kVcf, 4, "").done);
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT^SBNW=\"vcs\",0"}));
}

TEST_F(TextObjectTest, RefusalsNameTheirStepAndBlockAndTheCallerMayGoOn) {
  // A handler going on: the refused data line of block 1 is reported, block 2 still goes.
  peer_.Reply(kOk);
  peer_.Reply(kPrompt);
  peer_.Reply(kError);
  AcceptBlocks(1);
  // Without a handler a refused header stops the write without a data line.
  peer_.Reply(kError);
  // A refused header stops even when the handler would go on.
  peer_.Reply(kOk);
  peer_.Reply(kError);
  objects::SilentTransferFeedback feedback;
  std::vector<std::pair<FailedStep, int>> refusals;
  const objects::RefusalHandler goOn = [&](const objects::Outcome& refusal) {
    refusals.emplace_back(refusal.failed, refusal.block);
    return true;
  };
  const auto organizer = objects::WriteObjectText(exchange_, feedback, ObjectType::kVcs, 1,
                                                  std::string(150, 'x'), goOn);
  const auto address =
      objects::WriteObjectText(exchange_, feedback, ObjectType::kVcf, 12, std::string(150, 'x'));
  const auto header = objects::WriteObjectText(exchange_, feedback, ObjectType::kVcs, 2,
                                               std::string(150, 'x'), goOn);
  // Not done, the step and block that failed, no message: the caller chooses it.
  const auto Refusal = [](const objects::Outcome& o) {
    return std::tuple(o.done, o.failed, o.block, o.messageId);
  };
  EXPECT_EQ(Refusal(organizer), std::tuple(false, FailedStep::kDataLine, 1, 0));
  EXPECT_EQ(Refusal(address), std::tuple(false, FailedStep::kHeader, 1, 0));
  EXPECT_EQ(Refusal(header), std::tuple(false, FailedStep::kHeader, 1, 0));
  EXPECT_EQ(refusals, (std::vector<std::pair<FailedStep, int>>{{FailedStep::kDataLine, 1},
                                                               {FailedStep::kHeader, 1}}));
  const auto lines = peer_.Lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[3], "AT^SBNW=\"vcs\",1,2,2");
  EXPECT_EQ(lines[5], "AT^SBNW=\"vcf\",12,1,2");
  EXPECT_EQ(lines[7], "AT^SBNW=\"vcs\",2,1,2");
}

TEST_F(TextObjectTest, ReadJoinsBlocksCutsAtTheLimitAndKnowsAnEmptySlot) {
  peer_.Reply("\r\n^SBNR: \"vcf\",12,1,2\r\n" + std::string(200, '4') +
              "\r\n^SBNR: \"vcf\",12,2,2\r\n4344\r\n\r\nOK\r\n");
  peer_.Reply(kOk);
  peer_.Reply("\r\n^SBNR: \"vcs\",7,1,1\r\n41Z1\r\n\r\nOK\r\n");
  const auto cut = objects::ReadObjectText(exchange_, ObjectType::kVcf, 12, 101);
  EXPECT_EQ(cut.status, objects::ObjectRead::Status::kFound);
  EXPECT_EQ(cut.bytes, std::string(100, 'D') + "C");
  EXPECT_EQ(objects::ReadObjectText(exchange_, ObjectType::kVcs, 8, 1024).status,
            objects::ObjectRead::Status::kEmpty);
  EXPECT_EQ(objects::ReadObjectText(exchange_, ObjectType::kVcs, 7, 1024).status,
            objects::ObjectRead::Status::kBroken);
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT^SBNR=\"vcf\",12", "AT^SBNR=\"vcs\",8",
                                                     "AT^SBNR=\"vcs\",7"}));
}

}  // namespace
}  // namespace telvane::testing
