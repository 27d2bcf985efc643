#include "objects/binary_object.h"

#include <gtest/gtest.h>

#include "objects/transfer_fixture.h"

namespace telvane::testing {
namespace {

using objects::ObjectType;
using objects::WriteFailureRule;

TEST(BlockCount, WholeAndPartialBlocks) {
  EXPECT_EQ(objects::BlockCount(0, 100), 0);
  EXPECT_EQ(objects::BlockCount(200, 100), 2);
  EXPECT_EQ(objects::BlockCount(250, 100), 3);
  EXPECT_EQ(objects::BlockCount(3000, objects::BlockSize(ObjectType::kBmp)), 60);
}

TEST(Commands, QuotedAndUnquotedObjectTypes) {
  EXPECT_EQ(objects::ReadCommand(ObjectType::kVcs, 7), "AT^SBNR=\"vcs\",7");
  EXPECT_EQ(objects::ReadCommand(ObjectType::kVcf, 12), "AT^SBNR=\"vcf\",12");
  EXPECT_EQ(objects::ReadCommand(ObjectType::kBmp, 2), "AT^SBNR=bmp,0");
  EXPECT_EQ(objects::ReadCommand(ObjectType::kMid, 0), "AT^SBNR=mid,0");
  EXPECT_EQ(objects::EraseCommand(ObjectType::kVcf, 11), "AT^SBNW=\"vcf\",11,0");
  EXPECT_EQ(objects::BlockHeader(ObjectType::kBmp, 0, 1, 27), "AT^SBNW=\"bmp\",0,1,27");
}

using TextObjectTest = TransferTest;

TEST_F(TextObjectTest, OrganizerTextOfTwoHundredCharactersIsExactlyTwoBlocks) {
  peer_.Reply(kOk);
  AcceptBlocks(2);
  bool written = false;
  const std::string out = Run([&](ui::Ui& ui) {
    written = objects::WriteObjectText(exchange_, ui, ObjectType::kVcs, 7, std::string(200, 'A'),
                                       WriteFailureRule::kOrganizer);
  });
  EXPECT_TRUE(written);
  EXPECT_EQ(out, "");
  std::string hex;
  for (int i = 0; i < 100; ++i) hex += "41";
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",7,1,2", hex + "\x1a",
                                                     "AT^SBNW=\"vcs\",7,2,2", hex + "\x1a"}));
}

TEST_F(TextObjectTest, EmptyTextSendsOnlyThePreparatoryCommand) {
  peer_.Reply(kOk);
  Run([&](ui::Ui& ui) {
    objects::WriteObjectText(exchange_, ui, ObjectType::kVcs, 3, "", WriteFailureRule::kOrganizer);
    objects::WriteObjectText(exchange_, ui, ObjectType::kVcf, 4, "", WriteFailureRule::kAddressEntry);
  });
  EXPECT_EQ(peer_.Lines(), (std::vector<std::string>{"AT^SBNW=\"vcs\",0"}));
}

TEST_F(TextObjectTest, RefusalsFollowTheCallersRule) {
  // Organizer: a refused data line is reported and the next block still goes.
  peer_.Reply(kOk);
  peer_.Reply(kPrompt);
  peer_.Reply(kError);
  AcceptBlocks(1);
  // Address entry: a refused header stops the write without a data line.
  peer_.Reply(kError);
  bool organizer = true, address = true;
  const std::string out = Run([&](ui::Ui& ui) {
    organizer = objects::WriteObjectText(exchange_, ui, ObjectType::kVcs, 1, std::string(150, 'x'),
                                         WriteFailureRule::kOrganizer);
    address = objects::WriteObjectText(exchange_, ui, ObjectType::kVcf, 12, std::string(150, 'x'),
                                       WriteFailureRule::kAddressEntry);
  });
  EXPECT_FALSE(organizer);
  EXPECT_FALSE(address);
  EXPECT_EQ(out,
            "message 33 Telvane Error: Can't write calender entry\n"
            "message 49 Telvane Error: Can't write new entry\n");
  const auto lines = peer_.Lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], "AT^SBNW=\"vcs\",1,2,2");
  EXPECT_EQ(lines[5], "AT^SBNW=\"vcf\",12,1,2");
}

TEST_F(TextObjectTest, ReadJoinsBlocksCutsAtTheLimitAndKnowsAnEmptySlot) {
  peer_.Reply("\r\n^SBNR: \"vcf\",12,1,2\r\n4142\r\n^SBNR: \"vcf\",12,2,2\r\n4344\r\n\r\nOK\r\n");
  peer_.Reply(kOk);
  peer_.Reply("\r\n^SBNR: \"vcs\",7,1,1\r\n41Z1\r\n\r\nOK\r\n");
  const auto cut = objects::ReadObjectText(exchange_, ObjectType::kVcf, 12, 3);
  EXPECT_EQ(cut.status, objects::ObjectRead::Status::kFound);
  EXPECT_EQ(cut.bytes, "ABC");
  EXPECT_EQ(objects::ReadObjectText(exchange_, ObjectType::kVcs, 8, 1024).status,
            objects::ObjectRead::Status::kEmpty);
  EXPECT_EQ(objects::ReadObjectText(exchange_, ObjectType::kVcs, 7, 1024).status,
            objects::ObjectRead::Status::kFailed);
  EXPECT_EQ(peer_.Lines()[0], "AT^SBNR=\"vcf\",12");
}

}  // namespace
}  // namespace telvane::testing
