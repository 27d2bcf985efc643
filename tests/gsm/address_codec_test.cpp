#include "gsm/address_codec.h"

#include <gtest/gtest.h>

namespace telvane::gsm {
namespace {

constexpr auto kDestination = AddressRole::kDestination;
constexpr auto kCentre = AddressRole::kServiceCentre;

const NumberingOptions kGermany{true, "+49"};
const NumberingOptions kIreland{true, "+353"};

TEST(EncodeAddress, WritesDestinationsWithTheirDigitCount) {
  EXPECT_EQ(EncodeAddress("+491701234567", kDestination), "0C91947110325476");
  EXPECT_EQ(EncodeAddress("12345", kDestination), "05812143F5");
  EXPECT_EQ(EncodeAddress("", kDestination), "0081");
}

TEST(EncodeAddress, WritesServiceCentresWithTheirOctetCount) {
  EXPECT_EQ(EncodeAddress("+491234567890", kCentre), "0791942143658709");
  EXPECT_EQ(EncodeAddress("+4912345", kCentre), "0591942143F5");
}

TEST(EncodeAddress, NormalisesNationalNumbersWithThePrefix) {
  EXPECT_EQ(EncodeAddress("01701234567", kDestination, kGermany), "0C91947110325476");
  EXPECT_EQ(EncodeAddress("01701234567", kDestination, kIreland), "0D91531307214365F7");
  EXPECT_EQ(EncodeAddress("1701234567", kDestination, kGermany), "0C91947110325476");
  EXPECT_EQ(EncodeAddress("01701234567", kDestination, {true, "0049"}), "0C91947110325476");
  EXPECT_EQ(EncodeAddress("01701234567", kDestination, {false, "+49"}), "0B811007214365F7");
  EXPECT_EQ(EncodeAddress("01701234567", kDestination, {true, ""}), "0B811007214365F7");
}

TEST(EncodeAddress, TakesPlusAndDoubleZeroAsInternationalWithoutNormalising) {
  EXPECT_EQ(EncodeAddress("00491701234567", kDestination, kIreland), "0C91947110325476");
  EXPECT_EQ(EncodeAddress("+491701234567", kDestination, kIreland), "0C91947110325476");
  EXPECT_EQ(EncodeAddress("0044123", kDestination), "05914421F3");
}

TEST(EncodeAddress, RefusesNumbersThatCannotBeDialled) {
  EXPECT_EQ(EncodeAddress("*100#", kDestination), "05811A00FB");
  EXPECT_EQ(EncodeAddress("0170 123", kDestination), std::nullopt);
  EXPECT_EQ(EncodeAddress("123\"\r\x1A", kDestination), std::nullopt);
  EXPECT_EQ(EncodeAddress("+49+1", kDestination), std::nullopt);
  EXPECT_EQ(EncodeAddress("0170", kDestination, {true, "+4x"}), std::nullopt);
  EXPECT_EQ(EncodeAddress(std::string(20, '1'), kDestination).value_or("").size(), 24u);
  EXPECT_EQ(EncodeAddress(std::string(21, '1'), kDestination), std::nullopt);
  EXPECT_EQ(EncodeAddress("0" + std::string(19, '1'), kDestination, kGermany), std::nullopt);
}

TEST(DecodeAddress, SwapsPairsBackAndCutsAtTheFiller) {
  EXPECT_EQ(DecodeAddress("811032547698F0"), "01234567890");
  EXPECT_EQ(DecodeAddress("91947110325476"), "+491701234567");
  EXPECT_EQ(DecodeAddress("812143F5"), "12345");
  EXPECT_EQ(DecodeAddress("811A00FB"), "*100#");
  EXPECT_EQ(DecodeAddress("812143f5"), "12345");
}

TEST(DecodeAddress, GivesShortResultsForShortOrBrokenFields) {
  EXPECT_EQ(DecodeAddress(""), "");
  EXPECT_EQ(DecodeAddress("9"), "");
  EXPECT_EQ(DecodeAddress("91"), "+");
  EXPECT_EQ(DecodeAddress("81214"), "12");
  EXPECT_EQ(DecodeAddress("8121\r\n43"), "12");
  EXPECT_EQ(DecodeAddress("8121\"43"), "12");
}

TEST(DecodeAddress, ReadsAlphanumericSendersAsText) {
  // gammu's fields for "Telvane" (13 semi-octets) and "Info@Bank" (16).
  EXPECT_EQ(DecodeAddress("D0D432DB1E769701", 13), "Telvane");
  EXPECT_EQ(DecodeAddress("D0D432DB1E769701"), "Telvane");  // the filler code is dropped
  EXPECT_EQ(DecodeAddress("D049B7F90D1486DD6B", 16), "Info@Bank");
  EXPECT_EQ(DecodeAddress("D0D432DB", 13), "Tel");  // a cut field: whole codes only
  // GSM codes 0A (line feed), 22 (") and 0D (carriage return) read as blanks.
  EXPECT_EQ(DecodeAddress("506185A801", 7), "a   ");
  EXPECT_TRUE(IsAlphanumericAddress(0xD0));
  EXPECT_TRUE(IsAlphanumericAddress(0x50));
  for (int type : {0x91, 0x81, 0xA1, 0xC1, -1}) EXPECT_FALSE(IsAlphanumericAddress(type)) << type;
}

TEST(AddressCodec, RoundTripsNumbersOfEveryLength) {
  std::string digits;
  for (int length = 1; length <= 20; ++length) {
    digits.push_back(static_cast<char>('0' + length % 10));
    const auto field = EncodeAddress("+" + digits, kDestination);
    ASSERT_TRUE(field);
    EXPECT_EQ(DecodeAddress(std::string_view(*field).substr(2)), "+" + digits);
  }
}

}  // namespace
}  // namespace telvane::gsm
