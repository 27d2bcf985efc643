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

TEST(GsmAlphabetTable, KeepsTheQuirksOfThePairedPhoneSoftware) {
  EXPECT_EQ(GsmAlphabetTable[0x0A], 0x0D);  // carriage return and line feed swapped
  EXPECT_EQ(GsmAlphabetTable[0x0D], 0x0A);
  EXPECT_EQ(GsmAlphabetTable[0x02], '$');
  EXPECT_EQ(GsmAlphabetTable[0x24], '$');
  EXPECT_EQ(GsmAlphabetTable[0x11], '_');
  EXPECT_EQ(GsmAlphabetTable[0x5F], 0xA7);
  EXPECT_EQ(GsmAlphabetTable[0x10], 0xB7);
  for (std::size_t code = 0x12; code <= 0x1B; ++code)
    EXPECT_EQ(GsmAlphabetTable[code], 0xB7) << code;
  int differing = 0;
  for (std::size_t code = 0; code < 128; ++code) differing += GsmAlphabetTable[code] != code;
  EXPECT_EQ(differing, 44);
}

TEST(GsmToLatin, ConvertsTheDocumentedSpecialCodes) {
  EXPECT_EQ(ToLatin(std::string("\x00\x40\x0A\x0D\x1B", 5)), "@@\r\n\xB7");
  EXPECT_EQ(ToLatin("\x7C\x5F\x11"), "\xF6\xA7_");
  EXPECT_EQ(ToLatin(""), "");
}

TEST(GsmToLatin, LeavesEightBitBytesUnchanged) {
  EXPECT_EQ(ToLatin("\x80\xE4\xFF"), "\x80\xE4\xFF");
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
