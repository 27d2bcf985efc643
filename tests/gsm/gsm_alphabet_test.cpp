#include "gsm/gsm_alphabet.h"

#include <gtest/gtest.h>

#include <string>

#include "gsm/hex.h"
#include "gsm/septets.h"

namespace telvane::gsm {
namespace {

std::string ToLatin(std::string codes) {
  GsmToLatin(codes);
  return codes;
}

std::string ToGsm(std::string text) {
  LatinToGsm(text);
  return text;
}

// The quirks of the paired phone software: line feed and carriage return swapped, "$" at
// 0x02 and 0x24, "_" at 0x11, "§" at 0x5F, the Greek capitals and the escape code as a
// middle dot; 8-bit bytes pass unchanged.
TEST(GsmToLatin, ConvertsTheSpecialCodesAndLeavesEightBitBytes) {
  EXPECT_EQ(ToLatin(std::string("\x00\x40\x0A\x0D\x02\x24\x7C\x5F\x11", 9)), "@@\r\n$$\xF6\xA7_");
  EXPECT_EQ(ToLatin("\x10\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B"), std::string(11, '\xB7'));
  EXPECT_EQ(ToLatin("\x80\xE4\xFF"), "\x80\xE4\xFF");
  EXPECT_EQ(ToLatin(""), "");
}

TEST(LatinToGsm, TakesTheFirstIndexAndConvertsPastAnAtSign) {
  EXPECT_EQ(ToGsm("@$"), std::string("\x00\x02", 2));
  EXPECT_EQ(ToGsm("@@A"), std::string("\x00\x00"
                                      "A",
                                      3));
  EXPECT_EQ(ToGsm("\xB7"), "\x10");  // middle dot
  EXPECT_EQ(ToGsm("\xE9"), "\x05");  // é
  EXPECT_EQ(ToGsm("\xE1"), "\xE1");  // á is not in the table
  EXPECT_EQ(ToGsm("_\r\n"), "\x11\x0A\x0D");
}

std::string ThroughThePhone(const std::string& latin) {
  const std::string hex = ToHex(PackSeptets(ToGsm(latin)));
  return ToLatin(UnpackSeptets(hex, latin.size()));
}

TEST(LatinToGsm, LettersMissingFromTheTableLoseTheirTopBitWhenPacked) {
  EXPECT_EQ(ThroughThePhone("\xE1\xF3[~"), "as\xC4\xFC");
}

TEST(GsmAlphabetRoundTrip, EveryCharacterOfTheTableComesBack) {
  std::string all;
  for (std::uint8_t latin : GsmAlphabetTable) {
    if (all.find(static_cast<char>(latin)) == std::string::npos)
      all.push_back(static_cast<char>(latin));
  }
  ASSERT_GT(all.size(), 100u);
  std::string expected = all;
  expected[expected.find('\xA1')] = '@';  // 0x40 reads back as "@", never as "¡"
  // Split into message-sized parts; each part also survives the filler rule of unpacking.
  for (std::size_t start = 0; start < all.size(); start += 60) {
    const std::string part = all.substr(start, 60);
    EXPECT_EQ(ThroughThePhone(part), expected.substr(start, 60));
  }
  for (char c : all) {
    const std::string one(1, c);
    EXPECT_EQ(ToLatin(UnpackSeptets(ToHex(PackSeptets(ToGsm(one))))), c == '\xA1' ? "@" : one)
        << static_cast<int>(static_cast<std::uint8_t>(c));
  }
}

}  // namespace
}  // namespace telvane::gsm
