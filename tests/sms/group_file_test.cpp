// SMS group files: what a line reads as, the bytes written, and input no group file holds.
#include "sms/group_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace telvane::sms {
namespace {

using Members = std::vector<GroupMember>;

TEST(GroupFileTest, LinesReadAsMembersByTheirLastComma) {
  const Members members =
      ParseGroupText("Smith, Anna,+491701234567\r\nBen,0301234\nno comma here\n\n,\nLast,99");
  EXPECT_EQ(
      members,
      (Members{{"Smith, Anna", "+491701234567"}, {"Ben", "0301234"}, {"", ""}, {"Last", "99"}}));
}

TEST(GroupFileTest, WrittenGroupReadsBackAsTheSameMembers) {
  testing::TempDir folder;
  const Members group{{"Smith, Anna", "+491701234567"}, {"Ben\r\nEvil", "030,12\x1A"}};
  ASSERT_TRUE(WriteGroupFile(folder / "g.srp", group));
  EXPECT_EQ(testing::ReadFile(folder / "g.srp"), "Smith, Anna,+491701234567\nBenEvil,03012\n");
  EXPECT_EQ(ReadGroupFile(folder / "g.srp"),
            (Members{{"Smith, Anna", "+491701234567"}, {"BenEvil", "03012"}}));
  EXPECT_EQ(ReadGroupFile(folder / "missing.srp"), std::nullopt);
  EXPECT_FALSE(WriteGroupFile(folder / "no" / "g.srp", group));
}

TEST(GroupFileTest, OverLongAndBinaryInputIsBounded) {
  // An over-long line is skipped whole; the next line still counts.
  const std::string longLine(5000, 'x');
  EXPECT_EQ(ParseGroupText(longLine + ",1\nAnna,2\n" + longLine), (Members{{"Anna", "2"}}));
  // Control bytes never reach a member; names and numbers keep to the phone book's lengths.
  const std::string binary(
      "A\0n\x1Bna,\x7F"
      "12\x1A"
      "3\n",
      13);
  EXPECT_EQ(ParseGroupText(binary), (Members{{"Anna", "123"}}));
  EXPECT_EQ(ParseGroupText(std::string(104, 'n') + ",12\nAnna," + std::string(40, '1')),
            (Members{{std::string(99, 'n'), "12"}, {"Anna", std::string(29, '1')}}));
  // Reading stops at the group's capacity.
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "n" + std::to_string(i) + ",1\n";
  const Members full = ParseGroupText(many);
  ASSERT_EQ(full.size(), kGroupCapacity);
  EXPECT_EQ(full.back().name, "n799");
}

}  // namespace
}  // namespace telvane::sms
