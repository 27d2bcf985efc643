#include "gsm/septets.h"

#include <gtest/gtest.h>

#include "gsm/hex.h"

namespace telvane::gsm {
namespace {

TEST(PackSeptets, PacksLeastSignificantBitsFirst) {
  EXPECT_EQ(ToHex(PackSeptets("hellohello")), "E8329BFD4697D9EC37");
  EXPECT_EQ(ToHex(PackSeptets("")), "");
  EXPECT_EQ(ToHex(PackSeptets("a")), "61");
  EXPECT_EQ(ToHex(PackSeptets("\xE1")), "61");  // taken modulo 128
}

TEST(PackSeptets, PacksAnAtSignAsSevenZeroBits) {
  const std::string withAt = std::string("hellohel") + '\0' + "o";
  const std::string withA = std::string("hellohel") + '\x01' + "o";
  const std::string packedAt = PackSeptets(withAt);
  const std::string packedA = PackSeptets(withA);
  ASSERT_EQ(packedAt.size(), 9u);
  EXPECT_EQ(static_cast<std::uint8_t>(packedAt[7]), static_cast<std::uint8_t>(packedA[7]) & ~0x01);
  EXPECT_EQ(static_cast<std::uint8_t>(packedAt[8]), static_cast<std::uint8_t>(packedA[8]));
  EXPECT_EQ(UnpackSeptets(ToHex(packedAt)), withAt);
}

TEST(PackSeptets, GivesCeilingOfSevenEighthsOctets) {
  for (std::size_t count = 0; count <= 160; ++count) {
    EXPECT_EQ(PackSeptets(std::string(count, 'x')).size(), (7 * count + 7) / 8);
  }
}

TEST(UnpackSeptets, DropsTheFillerCode) {
  EXPECT_EQ(UnpackSeptets("E8329BFD4697D9EC37"), "hellohello");
  EXPECT_EQ(UnpackSeptets("C8329BFD06"), "Hello");
  EXPECT_EQ(UnpackSeptets("41E19058341E01"), "ABCDEFG");  // the eighth code is the filler
  EXPECT_EQ(UnpackSeptets(ToHex(PackSeptets("ABCDEFGH"))), "ABCDEFGH");
}

TEST(UnpackSeptets, KeepsATrailingAtSignWhenTheLengthIsKnown) {
  const std::string text = std::string("1234567") + '\0';
  const std::string hex = ToHex(PackSeptets(text));
  EXPECT_EQ(UnpackSeptets(hex), "1234567");  // indistinguishable from the filler
  EXPECT_EQ(UnpackSeptets(hex, 8), text);
  EXPECT_EQ(UnpackSeptets(hex, 3), "123");
  EXPECT_EQ(UnpackSeptets(hex, 200), "1234567");
}

TEST(UnpackSeptets, StopsAtTheEndOfTheHexData) {
  EXPECT_EQ(UnpackSeptets(""), "");
  EXPECT_EQ(UnpackSeptets("E"), "");
  EXPECT_EQ(UnpackSeptets("E8329"), "he");
  EXPECT_EQ(UnpackSeptets("E832\r\n9BFD"), "he");
  EXPECT_EQ(UnpackSeptets("e8329bfd06"), "hello");
}

}  // namespace
}  // namespace telvane::gsm
